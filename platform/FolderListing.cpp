#include "platform/FolderListing.h"

#include <filesystem>
#include <system_error>

namespace Platform {

std::optional<std::vector<std::string>> ListFolder(const std::string& folder)
{
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return std::nullopt;
    std::vector<std::string> names;
    for (const auto end = std::filesystem::directory_iterator(); entries != end; entries.increment(error)) {
        if (error)
            return std::nullopt;
        names.push_back(entries->path().filename().string());
    }
    if (error)
        return std::nullopt;
    return names;
}

bool CanNameFile(std::string_view path) { return path.find('\0') == std::string_view::npos; }

bool IsRegularFile(const std::string& path)
{
    std::error_code error;
    return CanNameFile(path) && std::filesystem::is_regular_file(path, error);
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

} // namespace Platform
