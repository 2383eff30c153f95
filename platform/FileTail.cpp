#include "platform/FileTail.h"

#include "platform/FolderListing.h"

#include <cstdio>
#include <memory>

namespace Platform {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenRegularFile(const std::string& path, const char* mode)
{
    if (!IsRegularFile(path))
        return nullptr;
    return File(std::fopen(path.c_str(), mode));
}

// Positions `count` bytes before the end; a shorter file cannot hold the tail.
TailStatus SeekToTail(std::FILE* file, std::size_t count)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return TailStatus::IoFailed;
    const long size = std::ftell(file);
    if (size < 0)
        return TailStatus::IoFailed;
    if (static_cast<unsigned long>(size) < count)
        return TailStatus::TooShort;
    if (std::fseek(file, -static_cast<long>(count), SEEK_END) != 0)
        return TailStatus::IoFailed;
    return TailStatus::Done;
}

} // namespace

TailStatus ReadTail(const std::string& path, char* bytes, std::size_t count)
{
    File file = OpenRegularFile(path, "rb");
    if (!file)
        return TailStatus::CannotOpen;
    if (const TailStatus status = SeekToTail(file.get(), count); status != TailStatus::Done)
        return status;
    if (std::fread(bytes, 1, count, file.get()) != count)
        return TailStatus::IoFailed;
    return TailStatus::Done;
}

TailStatus WriteTail(const std::string& path, const char* bytes, std::size_t count)
{
    File file = OpenRegularFile(path, "r+b");
    if (!file)
        return TailStatus::CannotOpen;
    if (const TailStatus status = SeekToTail(file.get(), count); status != TailStatus::Done)
        return status;
    if (std::fwrite(bytes, 1, count, file.get()) != count || std::fflush(file.get()) != 0)
        return TailStatus::IoFailed;
    return TailStatus::Done;
}

} // namespace Platform
