#pragma once

#include "platform/Descriptor.h"

#include <string>

namespace Platform {

// An exclusive lock on a folder itself, held for as long as this object lives. The
// system releases it when the process ends, however it ends, so a killed holder never
// leaves the folder locked.
class FolderLock {
public:
    enum class State {
        Held,
        // Another holder has it; this one holds nothing.
        HeldElsewhere,
        // The folder cannot be opened, or its file system keeps no locks.
        Unavailable,
    };

    explicit FolderLock(const std::string& folder);

    State GetState() const { return state_; }

private:
    Descriptor folder_;
    State state_ = State::Unavailable;
};

} // namespace Platform
