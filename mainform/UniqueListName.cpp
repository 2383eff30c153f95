#include "mainform/UniqueListName.h"

#include <algorithm>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string StripTrailingNumber(const std::string& name)
{
    if (name.empty() || !IsDigit(name.back()))
        return name;
    const std::size_t blank = name.rfind(' ');
    return blank == std::string::npos ? name : name.substr(0, blank);
}

// The first run of digits, without leading zeros; "0" when there is none. Kept as digits
// so that no number in a name is too long for it.
std::string ReadListNumber(const std::string& text)
{
    const auto first = std::find_if(text.begin(), text.end(), IsDigit);
    const auto end = std::find_if_not(first, text.end(), IsDigit);
    const auto significant = std::find_if(first, end, [](char c) { return c != '0'; });
    return significant == end ? "0" : std::string(significant, end);
}

// Both texts are digits without leading zeros.
bool NumberLess(const std::string& a, const std::string& b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

std::string NextNumber(std::string number)
{
    auto digit = number.rbegin();
    for (; digit != number.rend() && *digit == '9'; ++digit)
        *digit = '0';
    if (digit == number.rend())
        number.insert(number.begin(), '1');
    else
        ++*digit;
    return number;
}

} // namespace

std::string UniqueListName(const std::string& requested, const std::vector<std::string>& names)
{
    const std::string base = StripTrailingNumber(requested);
    std::string highest;
    for (const std::string& name : names) {
        if (name.compare(0, base.size(), base) != 0)
            continue;
        const std::string number = ReadListNumber(name.substr(base.size()));
        if (highest.empty() || NumberLess(highest, number))
            highest = number;
    }
    if (highest.empty())
        return requested;
    return base + " " + (highest == "0" ? std::string("2") : NextNumber(highest));
}
