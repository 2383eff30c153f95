#pragma once

#include <string>

// The folder part of a file's full path, ending in the separator; empty when the path
// names no folder.
std::string FolderOf(const std::string& path);

// The help file, which the build puts beside the program.
inline constexpr const char* HelpFileName = "vesktunelo.hlp";
