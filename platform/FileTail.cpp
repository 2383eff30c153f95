#include "platform/FileTail.h"

#include "platform/Descriptor.h"

#include <fcntl.h>
#include <unistd.h>

namespace Platform {

namespace {

// Where the tail starts; nothing when the file is shorter than the tail.
bool TailOffset(off_t size, std::size_t count, off_t& offset)
{
    if (size < 0 || static_cast<std::size_t>(size) < count)
        return false;
    offset = size - static_cast<off_t>(count);
    return true;
}

} // namespace

TailStatus ReadTail(const std::string& path, char* bytes, std::size_t count)
{
    off_t size = 0;
    const Descriptor file = OpenRegularFile(path, O_RDONLY, size);
    if (!file)
        return TailStatus::CannotOpen;
    off_t offset = 0;
    if (!TailOffset(size, count, offset))
        return TailStatus::TooShort;
    if (::pread(file.Get(), bytes, count, offset) != static_cast<ssize_t>(count))
        return TailStatus::IoFailed;
    return TailStatus::Done;
}

TailStatus WriteTail(const std::string& path, const char* bytes, std::size_t count)
{
    off_t size = 0;
    Descriptor file = OpenRegularFile(path, O_WRONLY, size);
    if (!file)
        return TailStatus::CannotOpen;
    off_t offset = 0;
    if (!TailOffset(size, count, offset))
        return TailStatus::TooShort;
    if (::pwrite(file.Get(), bytes, count, offset) != static_cast<ssize_t>(count) || !file.Close())
        return TailStatus::IoFailed;
    return TailStatus::Done;
}

} // namespace Platform
