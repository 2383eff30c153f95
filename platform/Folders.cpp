#include "platform/Folders.h"

#include "platform/FolderListing.h"
#include "platform/Separator.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace Platform {

namespace {

bool IsControlCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

} // namespace

bool IsFolderName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".."
           && std::none_of(name.begin(), name.end(), [](char c) { return IsSeparator(c) || IsControlCharacter(c); });
}

FolderMade MakeFolder(const std::string& path)
{
    if (!CanNameFile(path))
        return FolderMade::Failed;
    std::error_code error;
    if (std::filesystem::create_directory(path, error))
        return FolderMade::Created;
    return std::filesystem::is_directory(path, error) ? FolderMade::Existed : FolderMade::Failed;
}

bool RemoveEmptyFolder(const std::string& path)
{
    std::error_code error;
    // Checked first: removing a path that names a file would delete the file.
    return CanNameFile(path) && std::filesystem::is_directory(path, error) && std::filesystem::remove(path, error);
}

std::string CurrentFolder()
{
    std::error_code failure;
    return std::filesystem::current_path(failure).string();
}

} // namespace Platform
