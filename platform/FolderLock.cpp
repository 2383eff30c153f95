#include "platform/FolderLock.h"

#include "platform/FolderListing.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>

namespace Platform {

// Closed on exec: a program started from this process (the desktop's opener) must not
// inherit the descriptor, or the lock would outlive this process.
FolderLock::FolderLock(const std::string& folder)
    : folder_(CanNameFile(folder) ? ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1)
{
    if (!folder_)
        return;
    int result = 0;
    do
        result = ::flock(folder_.Get(), LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result == 0)
        state_ = State::Held;
    else if (errno == EWOULDBLOCK)
        state_ = State::HeldElsewhere;
}

} // namespace Platform
