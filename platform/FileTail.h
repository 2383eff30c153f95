#pragma once

#include <cstddef>
#include <string>

namespace Platform {

enum class TailStatus {
    Done,
    CannotOpen, // missing, not a regular file, or refused
    TooShort,   // the file holds fewer bytes than asked for
    IoFailed,   // positioning, reading or writing failed
};

// Reads the last `count` bytes of a regular file into `bytes`. Anything that is not a
// regular file (a folder, a pipe) is refused without blocking and without being read.
TailStatus ReadTail(const std::string& path, char* bytes, std::size_t count);

// Overwrites the last `count` bytes of an existing regular file with `bytes`.
TailStatus WriteTail(const std::string& path, const char* bytes, std::size_t count);

} // namespace Platform
