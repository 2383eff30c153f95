// The bytes go from file to file inside the kernel (sendfile), so a song never passes
// through this process and the copy is as fast as the system's own, and the destination
// is created exclusively (O_EXCL).
#include "platform/FileCopy.h"

#include "platform/Descriptor.h"
#include "platform/FolderListing.h"
#include "platform/WholeFile.h"

#include <array>
#include <cerrno>
#include <cstddef>
#include <utility>

#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {

bool WriteAll(int out, const char* bytes, std::size_t count)
{
    while (count > 0) {
        const ssize_t written = ::write(out, bytes, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReadAndWrite(int in, int out)
{
    std::array<char, 1 << 16> block;
    for (;;) {
        const ssize_t got = ::read(in, block.data(), block.size());
        if (got == 0)
            return true;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || !WriteAll(out, block.data(), static_cast<std::size_t>(got)))
            return false;
    }
}

bool SendAll(int in, int out)
{
    constexpr std::size_t Chunk = std::size_t{1} << 30;
    for (bool started = false;;) {
        const ssize_t sent = ::sendfile(out, in, nullptr, Chunk);
        if (sent == 0)
            return true;
        if (sent > 0) {
            started = true;
            continue;
        }
        if (errno == EINTR)
            continue;
        // A file the kernel cannot send (those of /proc) refuses the first call; it is
        // read and written by blocks instead.
        return !started && errno == EINVAL && ReadAndWrite(in, out);
    }
}

} // namespace

bool CopyToNewFile(const std::string& source, const std::string& destination)
{
    if (!CanNameFile(destination))
        return false;
    off_t size = 0;
    const Descriptor in = OpenRegularFile(source, O_RDONLY, size);
    if (!in)
        return false;
    Descriptor out(::open(destination.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!out)
        return false;
    if (SendAll(in.Get(), out.Get()) && out.Close())
        return true;
    // Created by this call, so it is this call's to remove.
    DeleteFile(destination);
    return false;
}

} // namespace Platform
