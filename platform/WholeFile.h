#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Platform {

// The whole content of a regular file; nothing when it is no regular file or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes `content` to a new temporary file beside `path`, checks every write, then
// renames it over `path`. On any failure the temporary file is removed and whatever stood
// at `path` stays as it was. No other file is ever touched: the temporary one is created
// under a name no file has, and that name ends in ".tmp", which no loader of this system takes.
bool ReplaceFile(const std::string& path, std::string_view content);

// Writes `content` into a file that this call creates at `path`, checking every write. A
// file that stands there already is left as it is; a failed write removes what it made.
bool WriteNewFile(const std::string& path, std::string_view content);

// Removes a file; false when it could not be removed (a missing file included).
bool DeleteFile(const std::string& path);

} // namespace Platform
