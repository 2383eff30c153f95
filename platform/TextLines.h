#pragma once

#include "platform/File.h"

#include <optional>
#include <string>
#include <string_view>

namespace Platform {

// Every line this system writes ends with a carriage return and a line feed.
inline constexpr std::string_view LineEnd = "\r\n";

inline void AppendLine(std::string& out, std::string_view line)
{
    out.append(line);
    out.append(LineEnd);
}

// Splits text at line feeds. A carriage return right before a line feed belongs to
// the line end; every other byte, a lone carriage return included, is line content.
// The text is either given whole or read from a file a block at a time, so that a
// large file never has to sit in memory next to what is made of it.
class LineReader {
public:
    struct Line {
        std::string_view text; // valid until the next call of Next
        bool terminated = true; // false for a last line that the text ends without a line feed
    };

    static constexpr std::size_t DefaultBlock = 1 << 20;

    LineReader() = default;
    explicit LineReader(std::string_view text) : rest_(text) {}
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Takes the lines from now on from a regular file, read `block` bytes at a time; false
    // when the path names no regular file or the file cannot be opened.
    bool OpenFile(const std::string& path, std::size_t block = DefaultBlock);

    std::optional<Line> Next();

    // The bytes not yet read, those still in the file included.
    std::size_t Remaining() const { return rest_.size() + unread_; }

    // True once reading the file failed; the lines given before are then all there are.
    bool Failed() const { return failed_; }

private:
    const char* FindLineFeed() const;
    bool Refill();

    std::string_view rest_;
    std::string buffer_;
    File file_;
    std::size_t unread_ = 0;
    bool failed_ = false;
};

} // namespace Platform
