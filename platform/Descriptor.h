#pragma once

#include "platform/File.h"

#include <string>
#include <utility>

#include <sys/types.h>

namespace Platform {

// An open system file descriptor that closes itself.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    Descriptor(Descriptor&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}
    Descriptor& operator=(Descriptor&&) = delete;
    ~Descriptor();

    int Get() const { return descriptor_; }
    // Hands the descriptor over to whoever closes it from now on.
    int Release() { return std::exchange(descriptor_, -1); }
    explicit operator bool() const { return descriptor_ >= 0; }
    // A failed close can mean lost data on some file systems, so it counts.
    bool Close();

private:
    int descriptor_;
};

// Opens a regular file with the access `flags` (O_RDONLY, O_WRONLY, O_RDWR) and gives its
// size; closed again when it is anything else, and nothing when it cannot be opened.
Descriptor OpenRegularFile(const std::string& path, int flags, off_t& size);

// The same, for reading, as a C file.
File OpenRegularFileForReading(const std::string& path);

} // namespace Platform
