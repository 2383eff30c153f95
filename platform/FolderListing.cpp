#include "platform/FolderListing.h"

#include <cerrno>
#include <filesystem>
#include <memory>
#include <system_error>

#include <dirent.h>

namespace Platform {

namespace {

struct FolderCloser {
    void operator()(DIR* listing) const { ::closedir(listing); }
};

} // namespace

std::optional<std::vector<std::string>> ListFolder(const std::string& folder)
{
    // The names as the system hands them over: a listing of a large music folder is
    // paid per entry, and a path object per entry would cost more than reading it.
    const std::unique_ptr<DIR, FolderCloser> listing(CanNameFile(folder) ? ::opendir(folder.c_str()) : nullptr);
    if (!listing)
        return std::nullopt;
    std::vector<std::string> names;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(listing.get());
        if (entry == nullptr)
            break;
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    if (errno != 0)
        return std::nullopt;
    return names;
}

bool CanNameFile(std::string_view path) { return path.find('\0') == std::string_view::npos; }

bool IsSameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

} // namespace Platform
