#include "framework/FileSystemNames.h"

#include "catalogue/FoldCase.h"
#include "framework/FolderPath.h"
#include "platform/FolderListing.h"

#include <algorithm>
#include <filesystem>

namespace {

bool BeforeIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return VT::FoldByte(x) < VT::FoldByte(y);
    });
}

// Symbolic links count as what they point at.
template <class Keep>
std::vector<std::string> Entries(const std::string& folder, Keep keep)
{
    std::vector<std::string> names;
    const auto listed = Platform::ListFolder(WithSeparator(folder));
    if (!listed)
        return names;
    for (const std::string& name : *listed) {
        std::error_code ignored;
        if (name.front() != '.' && keep(std::filesystem::status(ChildPath(folder, name), ignored)))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), BeforeIgnoringCase);
    return names;
}

} // namespace

std::vector<std::string> SubFolderNames(const std::string& folder)
{
    return Entries(folder, [](const std::filesystem::file_status& status) { return is_directory(status); });
}

std::vector<std::string> FileNames(const std::string& folder)
{
    return Entries(folder, [](const std::filesystem::file_status& status) { return is_regular_file(status); });
}
