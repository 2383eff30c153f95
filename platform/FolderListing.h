#pragma once

#include <optional>
#include <string>
#include <vector>

namespace Platform {

// The names of a folder's entries (files and sub-folders alike, "." and ".." left out),
// in the order the file system returns them; nothing when the folder cannot be listed.
std::optional<std::vector<std::string>> ListFolder(const std::string& folder);

// True when the path names a regular file (symbolic links followed).
bool IsRegularFile(const std::string& path);

} // namespace Platform
