#pragma once

#include <string>
#include <vector>

// The order of the Genre pick list: a hyphen counts for nothing; blanks and other
// punctuation come before digits, digits before letters, and otherwise the character
// codes decide, a text before any longer text that begins with it.
bool GenreNameBefore(const std::string& a, const std::string& b);

// Every genre name in lower case, in the order above: the Genre pick list after its
// placeholder entry.
std::vector<std::string> SortedGenreNames();
