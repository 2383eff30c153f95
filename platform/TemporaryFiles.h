#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Platform {

// The name of the temporary file through which a whole file is replaced: ".vt-", eight
// lower-case hexadecimal digits, ".tmp". No loader of this system takes such a name.
std::string TemporaryName(std::uint32_t number);

bool IsTemporaryName(std::string_view name);

// Removes the files of the folder that a save killed before its rename left behind.
// Only for a folder no other process saves into: a live save's file would go too.
void RemoveTemporaryFiles(const std::string& folder);

} // namespace Platform
