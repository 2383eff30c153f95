#pragma once

#include <string>
#include <vector>

// The entries of a folder that the file-system list controls show. Names that begin with
// a dot are hidden, as the platform the program was first written for hid hidden files.
// A folder that cannot be listed has none. Both come sorted regardless of letter case.
std::vector<std::string> SubFolderNames(const std::string& folder);
std::vector<std::string> FileNames(const std::string& folder);
