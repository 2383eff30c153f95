#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace TestSupport {

// A fresh, empty folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending in the separator.
    const std::string& Path() const { return path_; }
    // The path without the separator at its end, as a song or a folder box names a folder.
    std::string PathWithoutSeparator() const { return path_.substr(0, path_.size() - 1); }
    // The path of an entry of the folder.
    std::string operator/(std::string_view name) const { return path_ + std::string(name); }

    // Writes a file of exactly these bytes and returns its path.
    std::string Write(std::string_view name, std::string_view bytes) const;
    // The bytes of a file of the folder; fails the test when it cannot be read.
    std::string Read(std::string_view name) const;
    bool Exists(std::string_view name) const;
    // Makes a sub-folder and returns its path, ending in the separator.
    std::string MakeFolder(std::string_view name) const;
    // The names of the entries of the folder, or of one below it, in byte order.
    std::vector<std::string> Entries(std::string_view below = {}) const;

private:
    std::string path_;
};

// For a forked child only (a death test): from now on no file grows past `bytes`. A write
// beyond fails when `killed` is false, and kills the process when it is true, as a crash
// in the middle of a save would.
void LimitFileSize(std::size_t bytes, bool killed);

} // namespace TestSupport
