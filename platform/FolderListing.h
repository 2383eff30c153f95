#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Platform {

// The names of a folder's entries (files and sub-folders alike, "." and ".." left out),
// in the order the file system returns them; nothing when the folder cannot be listed.
std::optional<std::vector<std::string>> ListFolder(const std::string& folder);

// False for a path holding a NUL byte: the system reads a path only up to that byte,
// so such a path would reach another file than the one it spells.
bool CanNameFile(std::string_view path);

// True when both paths reach one existing file, as two spellings of a name that differ
// in letter case do on a file system that ignores it.
bool IsSameFile(const std::string& a, const std::string& b);

} // namespace Platform
