#include "platform/FileTail.h"

#include "platform/File.h"
#include "platform/FolderListing.h"

namespace Platform {

namespace {

// Unbuffered: a tail is one read or one write, and a scan opens thousands of files.
File OpenRegularFile(const std::string& path, const char* mode)
{
    if (!IsRegularFile(path))
        return nullptr;
    File file(std::fopen(path.c_str(), mode));
    if (file)
        std::setvbuf(file.get(), nullptr, _IONBF, 0);
    return file;
}

// Positions `count` bytes before the end; a shorter file cannot hold the tail. The size
// is asked only when the one seek fails, which keeps the common path to a single call.
TailStatus SeekToTail(std::FILE* file, std::size_t count)
{
    if (std::fseek(file, -static_cast<long>(count), SEEK_END) == 0)
        return TailStatus::Done;
    if (std::fseek(file, 0, SEEK_END) != 0)
        return TailStatus::IoFailed;
    const long size = std::ftell(file);
    return size >= 0 && static_cast<unsigned long>(size) < count ? TailStatus::TooShort : TailStatus::IoFailed;
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
