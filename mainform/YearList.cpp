#include "mainform/YearList.h"

#include <array>

namespace {

struct Decade {
    const char* entry;
    const char* prefix;
};

constexpr std::array<Decade, 10> Decades{{
    {"1920s", "192"},
    {"1930s", "193"},
    {"1940s", "194"},
    {"1950s", "195"},
    {"1960s", "196"},
    {"1970s", "197"},
    {"1980s", "198"},
    {"1990s", "199"},
    {"2000s", "20"},
    {"", ""},
}};

} // namespace

std::vector<std::string> DecadeEntries()
{
    std::vector<std::string> entries;
    for (const Decade& decade : Decades)
        entries.emplace_back(decade.entry);
    return entries;
}

std::string_view DecadePrefix(int entry)
{
    if (entry < 1 || entry > static_cast<int>(Decades.size()))
        return {};
    return Decades[static_cast<std::size_t>(entry - 1)].prefix;
}
