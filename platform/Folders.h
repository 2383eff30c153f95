#pragma once

#include <string>
#include <string_view>

namespace Platform {

// True for a name that makes exactly one level below a folder: not empty, not "." or
// "..", and holding no separator and no control character.
bool IsFolderName(std::string_view name);

enum class FolderMade { Created, Existed, Failed };

// Creates the last level of the path, whose parent must exist. A folder that stands
// there already is used as it is.
FolderMade MakeFolder(const std::string& path);

// Removes the folder only when it is empty; false when it stays.
bool RemoveEmptyFolder(const std::string& path);

// The process's current folder; empty when it cannot be told (it was removed).
std::string CurrentFolder();

} // namespace Platform
