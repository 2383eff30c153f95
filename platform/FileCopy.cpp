// The bytes go from file to file inside the kernel (sendfile), so a song never passes
// through this process and the copy is as fast as the system's own. A file is only ever
// created where none stood (O_EXCL, or a temporary name of its own), never written into.
#include "platform/FileCopy.h"

#include "platform/Descriptor.h"
#include "platform/FolderListing.h"
#include "platform/Separator.h"
#include "platform/WholeFile.h"

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
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

// The source, opened before anything at the destination is made, so that a source that
// cannot be read leaves the destination's folder untouched.
Descriptor OpenSource(const std::string& source, const std::string& destination)
{
    off_t size = 0;
    return CanNameFile(destination) ? OpenRegularFile(source, O_RDONLY, size) : Descriptor(-1);
}

// Copies into `out`, a file that this call's caller created at `created`, which is
// removed again unless the copy ends whole.
bool Fill(const Descriptor& in, Descriptor out, const std::string& created)
{
    if (SendAll(in.Get(), out.Get()) && out.Close())
        return true;
    DeleteFile(created);
    return false;
}

} // namespace

bool CopyToNewFile(const std::string& source, const std::string& destination)
{
    const Descriptor in = OpenSource(source, destination);
    if (!in)
        return false;
    Descriptor out(::open(destination.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    return out && Fill(in, std::move(out), destination);
}

bool ReplaceWithCopy(const std::string& source, const std::string& destination)
{
    const Descriptor in = OpenSource(source, destination);
    if (!in)
        return false;
    std::string temporary = FolderOf(destination) + ".vt-copy-XXXXXX";
    Descriptor out(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!out)
        return false;
    // The replaced file's permissions, not the private ones of a fresh temporary file.
    struct stat replaced {};
    if (::stat(destination.c_str(), &replaced) == 0)
        ::fchmod(out.Get(), replaced.st_mode & 07777);
    if (!Fill(in, std::move(out), temporary))
        return false;
    if (::rename(temporary.c_str(), destination.c_str()) == 0)
        return true;
    DeleteFile(temporary);
    return false;
}

} // namespace Platform
