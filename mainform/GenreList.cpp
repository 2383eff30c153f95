#include "mainform/GenreList.h"

#include "catalogue/FoldCase.h"
#include "catalogue/GenreTable.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

// Punctuation and blanks 0, digits 1, letters and any other byte 2.
int CharacterClass(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return 1;
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80)
        return 2;
    return 0;
}

std::vector<std::pair<int, unsigned char>> SortKey(const std::string& name)
{
    std::vector<std::pair<int, unsigned char>> key;
    key.reserve(name.size());
    for (const char c : name) {
        if (c != '-')
            key.emplace_back(CharacterClass(static_cast<unsigned char>(c)), static_cast<unsigned char>(c));
    }
    return key;
}

} // namespace

bool GenreNameBefore(const std::string& a, const std::string& b)
{
    return SortKey(a) < SortKey(b);
}

std::vector<std::string> SortedGenreNames()
{
    std::vector<std::string> names;
    names.reserve(VT::GenreTable.size());
    for (const std::string_view name : VT::GenreTable)
        names.push_back(VT::FoldCase(name));
    std::stable_sort(names.begin(), names.end(), GenreNameBefore);
    return names;
}
