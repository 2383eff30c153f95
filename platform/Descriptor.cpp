// POSIX calls: a scan opens tens of thousands of files, and the system calls alone (open,
// fstat, pread, close) are what such a scan can cost.
#include "platform/Descriptor.h"

#include "platform/FolderListing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

Descriptor::~Descriptor()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

bool Descriptor::Close() { return ::close(std::exchange(descriptor_, -1)) == 0; }

Descriptor OpenRegularFile(const std::string& path, int flags, off_t& size)
{
    if (!CanNameFile(path))
        return Descriptor(-1);
    // Without blocking, a pipe opens at once instead of waiting for its other end; the
    // type is then asked of what was opened, so no second look-up of the name can race
    // with a rename.
    Descriptor file(::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file || ::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return Descriptor(-1);
    size = status.st_size;
    return file;
}

File OpenRegularFileForReading(const std::string& path)
{
    off_t size = 0;
    Descriptor descriptor = OpenRegularFile(path, O_RDONLY, size);
    if (!descriptor)
        return nullptr;
    File file(::fdopen(descriptor.Get(), "rb"));
    if (file)
        descriptor.Release();
    return file;
}

} // namespace Platform
