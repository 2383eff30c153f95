#include "platform/WholeFile.h"

#include "platform/FolderListing.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace Platform {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool WriteAll(const std::string& path, std::string_view content)
{
    std::FILE* raw = std::fopen(path.c_str(), "wb");
    if (raw == nullptr)
        return false;
    const bool written = std::fwrite(content.data(), 1, content.size(), raw) == content.size()
                         && std::fflush(raw) == 0;
    // A failed close can mean lost data on some file systems, so it counts too.
    return std::fclose(raw) == 0 && written;
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    if (!IsRegularFile(path))
        return std::nullopt;
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    std::string content;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error)
        content.resize(static_cast<std::size_t>(size));
    std::size_t filled = std::fread(content.data(), 1, content.size(), file.get());
    content.resize(filled);
    // The size may have changed since it was asked; read whatever follows too.
    char block[65536];
    while (std::size_t got = std::fread(block, 1, sizeof block, file.get()))
        content.append(block, got);
    if (std::ferror(file.get()))
        return std::nullopt;
    return content;
}

std::string TemporaryFileFor(const std::string& path) { return path + ".tmp"; }

bool ReplaceFile(const std::string& path, std::string_view content)
{
    const std::string temporary = TemporaryFileFor(path);
    // Whatever stands at the temporary name and is no file of ours, a folder say, stays.
    const auto discardTemporary = [&temporary] {
        std::error_code ignored;
        if (IsRegularFile(temporary))
            std::filesystem::remove(temporary, ignored);
        return false;
    };
    if (!WriteAll(temporary, content))
        return discardTemporary();
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error)
        return discardTemporary();
    return true;
}

bool DeleteFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::remove(path, error) && !error;
}

} // namespace Platform
