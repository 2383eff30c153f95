#pragma once

#include <string>

namespace Platform {

// Copies the bytes of a regular file into a file that this call creates at
// `destination`. A file that stands there already, the source itself included, is
// left as it is. Every read and write is checked, and a copy that fails part-way is
// removed, so the destination ends either whole or absent. False when nothing was copied.
bool CopyToNewFile(const std::string& source, const std::string& destination);

// Copies the bytes of a regular file into a new temporary file beside `destination` and
// renames it over whatever stands there only once the copy is whole, so a failure at any
// point, a source that cannot be read included, leaves `destination` as it was. False
// when nothing was copied.
bool ReplaceWithCopy(const std::string& source, const std::string& destination);

} // namespace Platform
