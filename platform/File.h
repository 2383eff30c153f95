#pragma once

#include <cstdio>
#include <memory>

namespace Platform {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// An open C file that closes itself.
using File = std::unique_ptr<std::FILE, FileCloser>;

} // namespace Platform
