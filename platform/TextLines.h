#pragma once

#include "platform/File.h"
#include "platform/WholeFile.h"

#include <cstring>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

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
        bool overlong = false; // a line longer than LongestLine: its text is left empty
    };

    static constexpr std::size_t DefaultBlock = 1 << 20;
    // No line longer than this is ever held whole: its bytes are passed over, so that one
    // huge line costs no more memory than a block.
    static constexpr std::size_t LongestLine = 1 << 20;

    LineReader() = default;
    explicit LineReader(std::string_view text) : rest_(text) {}
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Takes the lines from now on from a regular file, read `block` bytes at a time; false
    // when the path names no regular file or the file cannot be opened.
    bool OpenFile(const std::string& path, std::size_t block = DefaultBlock);

    // Inline for the common case, a whole line already in the buffer: a list file of many
    // songs is read a short line at a time.
    std::optional<Line> Next()
    {
        if (const char* feed = FindLineFeed())
            return TakeLine(feed);
        return NextAfterRefill();
    }

    // Takes as many lines as `lines` has room for in one go, when they all lie whole in
    // what was read ahead, each ended by a line feed and none too long: a record of a list
    // file is then found with one look at its bytes, without copying them on the way.
    // Otherwise takes nothing and returns false, and Next takes them one at a time. The
    // texts are valid until the next call of Next or TakeLines.
    bool TakeLines(std::span<std::string_view> lines);

    // The bytes not yet read, those still in the file included.
    std::size_t Remaining() const { return rest_.size() + unread_; }

    // How many lines so far were longer than LongestLine.
    std::size_t OverlongLines() const { return overlongLines_; }

    // True once reading the file failed; the lines given before are then all there are.
    bool Failed() const { return failed_; }

    // The file as it stood when it was opened; nothing for a text given whole.
    const std::optional<FileIdentity>& Identity() const { return identity_; }

    // True while every line given so far ended in a carriage return and a line feed, as
    // every line this system writes does.
    bool OnlyLineEnds() const { return onlyLineEnds_; }

private:
    const char* FindLineFeed() const
    {
        return rest_.empty() ? nullptr : static_cast<const char*>(std::memchr(rest_.data(), '\n', rest_.size()));
    }

    // The line up to `feed`, its carriage return dropped.
    Line TakeLine(const char* feed)
    {
        const std::size_t length = static_cast<std::size_t>(feed - rest_.data());
        if (length > LongestLine)
            return PassOver(length + 1, true);
        const std::string_view text = rest_.substr(0, length);
        rest_.remove_prefix(length + 1);
        return Line{WithoutCarriageReturn(text), true};
    }

    // A line's text without the carriage return of its line end.
    std::string_view WithoutCarriageReturn(std::string_view text)
    {
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        else
            onlyLineEnds_ = false;
        return text;
    }

    std::optional<Line> NextAfterRefill();
    bool Refill();
    // Drops `length` bytes of a line too long to keep, the line feed among them when it
    // is `terminated`.
    Line PassOver(std::size_t length, bool terminated);
    // Passes over the rest of a line too long to keep, up to and with its line feed.
    Line PassOverLongLine();

    std::string_view rest_;
    std::string buffer_;
    File file_;
    std::size_t unread_ = 0;
    std::optional<FileIdentity> identity_;
    std::size_t overlongLines_ = 0;
    bool failed_ = false;
    bool onlyLineEnds_ = true;
};

// Text made piece by piece in one buffer. Given a sink, it hands the buffer on whenever a
// block has gathered, so that a large file is written through a buffer of bounded size;
// without one, the buffer ends up holding the whole text.
class LineWriter {
public:
    // Takes one block in order; false when it could not be written.
    using Sink = std::function<bool(std::string_view block)>;

    static constexpr std::size_t Block = 1 << 20;

    explicit LineWriter(std::string& text) : text_(text) {}
    LineWriter(std::string& buffer, Sink sink) : text_(buffer), sink_(std::move(sink)) {}
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    std::string& Text() { return text_; }

    // Called between pieces: hands on the buffer once it holds a block.
    void Spill()
    {
        if (sink_ && text_.size() >= Block)
            HandOn();
    }

    // Hands on what is left; false when the sink refused any block.
    bool Finish();

private:
    void HandOn();

    std::string& text_;
    Sink sink_;
    bool failed_ = false;
};

} // namespace Platform
