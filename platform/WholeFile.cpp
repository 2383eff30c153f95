#include "platform/WholeFile.h"

#include "platform/File.h"
#include "platform/FolderListing.h"
#include "platform/Separator.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace Platform {

namespace {

// A name in the folder of `path` that ends in ".tmp" whatever the path's own name, so
// that what a killed process leaves behind is never taken for a file of the system.
std::string TemporaryCandidate(const std::string& path)
{
    thread_local std::mt19937 random{std::random_device{}()};
    const std::size_t separator = LastSeparator(path, 0, path.size());
    const std::size_t folderEnd = separator == std::string::npos ? 0 : separator + 1;
    char name[24];
    std::snprintf(name, sizeof name, ".vt-%08x.tmp", static_cast<unsigned>(random()));
    return path.substr(0, folderEnd) + name;
}

// Creates a file that did not exist before ("x" refuses an existing one), so that a
// save never writes into, renames or removes a file that is not its own.
File CreateTemporary(const std::string& path, std::string& temporary)
{
    constexpr int Attempts = 100;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        temporary = TemporaryCandidate(path);
        errno = 0;
        if (File file{std::fopen(temporary.c_str(), "wbx")})
            return file;
        if (errno != EEXIST)
            break;
    }
    return nullptr;
}

bool WriteAndClose(File file, std::string_view content)
{
    const bool written = std::fwrite(content.data(), 1, content.size(), file.get()) == content.size()
                         && std::fflush(file.get()) == 0;
    // A failed close can mean lost data on some file systems, so it counts too.
    return std::fclose(file.release()) == 0 && written;
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

bool ReplaceFile(const std::string& path, std::string_view content)
{
    if (!CanNameFile(path))
        return false;
    std::string temporary;
    File file = CreateTemporary(path, temporary);
    if (!file)
        return false;
    std::error_code error;
    if (WriteAndClose(std::move(file), content)) {
        std::filesystem::rename(temporary, path, error);
        if (!error)
            return true;
    }
    std::filesystem::remove(temporary, error);
    return false;
}

bool WriteNewFile(const std::string& path, std::string_view content)
{
    if (!CanNameFile(path))
        return false;
    File file(std::fopen(path.c_str(), "wbx"));
    if (!file)
        return false;
    if (WriteAndClose(std::move(file), content))
        return true;
    DeleteFile(path);
    return false;
}

bool DeleteFile(const std::string& path)
{
    std::error_code error;
    return CanNameFile(path) && std::filesystem::remove(path, error) && !error;
}

} // namespace Platform
