#include "platform/TemporaryFiles.h"

#include "platform/FolderListing.h"

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace Platform {

namespace {

constexpr std::string_view Prefix = ".vt-";
constexpr std::string_view Suffix = ".tmp";
constexpr std::size_t Digits = 8;

bool IsLowerHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

} // namespace

std::string TemporaryName(std::uint32_t number)
{
    char digits[Digits + 1];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(number));
    return std::string(Prefix) + digits + std::string(Suffix);
}

bool IsTemporaryName(std::string_view name)
{
    if (name.size() != Prefix.size() + Digits + Suffix.size() || !name.starts_with(Prefix) || !name.ends_with(Suffix))
        return false;
    const std::string_view digits = name.substr(Prefix.size(), Digits);
    return std::all_of(digits.begin(), digits.end(), IsLowerHexDigit);
}

// unlink, not a general remove: a folder of that name is not the save's and stays.
void RemoveTemporaryFiles(const std::string& folder)
{
    for (const std::string& name : ListFolder(folder).value_or(std::vector<std::string>())) {
        if (IsTemporaryName(name))
            ::unlink((folder + name).c_str());
    }
}

} // namespace Platform
