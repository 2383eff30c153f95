#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace Platform {

class LineWriter;

// What tells one state of a file from another without reading it: a file written,
// replaced or touched since shows another file number, size or time.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t fileNumber = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0; // nanoseconds
    std::int64_t statusChanged = 0; // nanoseconds; no program can set it back
    bool operator==(const FileIdentity&) const = default;
};

// Nothing when the path or file names no regular file.
std::optional<FileIdentity> IdentityOf(const std::string& path);
std::optional<FileIdentity> IdentityOf(std::FILE* file);

// The whole content of a regular file; nothing when it is no regular file or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes `content` to a new temporary file beside `path`, checks every write, syncs it to
// the disk, then renames it over `path`. On any failure the temporary file is removed and
// whatever stood at `path` stays as it was. No other file is ever touched: the temporary
// one is created under a name no file has, and that name ends in ".tmp", which no loader
// of this system takes. The replacement keeps the old file's permission bits; a symbolic
// link stays a link, the file it points to being replaced; a file that nobody may write
// is not replaced.
bool ReplaceFile(const std::string& path, std::string_view content);

// The same for content that `write` makes piece by piece: it goes to the temporary file a
// block at a time through one buffer, so that a large file never stands whole in memory.
bool ReplaceFile(const std::string& path, const std::function<void(LineWriter& output)>& write);

// Writes `content` into a file that this call creates at `path`, checking every write. A
// file that stands there already is left as it is; a failed write removes what it made.
bool WriteNewFile(const std::string& path, std::string_view content);

// Moves a file to a name in the same folder at which nothing stands, in one step of the
// file system: at every moment the file stands under one of the two names. False, and
// nothing moved, when something stands at `to` or the move fails.
bool MoveFile(const std::string& from, const std::string& to);

// A write past the file-size limit then fails as an error instead of ending the program
// in the middle of a save. Called before anything is saved.
void IgnoreFileSizeSignal();

// Removes a file; false when it could not be removed (a missing file included).
bool DeleteFile(const std::string& path);

} // namespace Platform
