#pragma once

#include <string>
#include <string_view>
#include <vector>

// The Year pick list after its placeholder entry "all years": the nine decades from the
// 1920s, then an empty entry that names none.
std::vector<std::string> DecadeEntries();

// The year prefix that entry `entry` of the Year pick list searches for, the placeholder
// being entry 0: a decade's first three digits, and "20" for the 2000s, so that every year
// of the century is found. Empty for every entry that names no decade.
std::string_view DecadePrefix(int entry);
