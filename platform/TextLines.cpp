#include "platform/TextLines.h"

#include "platform/Descriptor.h"

#include <algorithm>
#include <cstring>

namespace Platform {

bool LineReader::OpenFile(const std::string& path, std::size_t block)
{
    file_ = OpenRegularFileForReading(path);
    if (!file_)
        return false;
    // Taken before the first byte is read, so that a change made while reading shows.
    identity_ = IdentityOf(file_.get());
    unread_ = identity_ ? static_cast<std::size_t>(identity_->size) : 0;
    // A small file needs no whole block: most list files are far smaller, and a fresh
    // block costs its pages whether they are read into or not.
    buffer_.assign(std::clamp<std::size_t>(unread_ + 1, 1, std::max<std::size_t>(block, 1)), '\0');
    rest_ = {};
    failed_ = false;
    onlyLineEnds_ = true;
    return true;
}

// Keeps the unfinished line at the front of the buffer and reads the next block after it.
// A line longer than the buffer doubles the buffer.
bool LineReader::Refill()
{
    if (!file_)
        return false;
    const std::size_t kept = rest_.size();
    if (kept > 0)
        std::memmove(buffer_.data(), rest_.data(), kept);
    if (2 * (buffer_.size() - kept) < buffer_.size())
        buffer_.resize(buffer_.size() * 2);
    const std::size_t got = std::fread(buffer_.data() + kept, 1, buffer_.size() - kept, file_.get());
    rest_ = std::string_view(buffer_.data(), kept + got);
    unread_ -= std::min(got, unread_);
    if (got == 0) {
        failed_ = std::ferror(file_.get()) != 0;
        file_.reset();
        unread_ = 0;
        return false;
    }
    return true;
}

std::optional<LineReader::Line> LineReader::NextAfterRefill()
{
    const char* feed = nullptr;
    while (feed == nullptr && rest_.size() <= LongestLine && Refill())
        feed = FindLineFeed();
    if (rest_.empty())
        return std::nullopt;
    if (feed == nullptr && rest_.size() > LongestLine)
        return PassOverLongLine();
    if (feed == nullptr) {
        onlyLineEnds_ = false;
        const Line last{rest_, false};
        rest_ = {};
        return last;
    }
    return TakeLine(feed);
}

bool LineReader::TakeLines(std::span<std::string_view> lines)
{
    // The line feeds are all found before anything is taken, so that a record that does
    // not lie whole in the buffer is left for Next as it was.
    std::size_t at = 0;
    for (std::string_view& line : lines) {
        const std::size_t searched = std::min(rest_.size() - at, LongestLine + 1);
        const void* feed = searched == 0 ? nullptr : std::memchr(rest_.data() + at, '\n', searched);
        if (feed == nullptr)
            return false;
        const auto length = static_cast<std::size_t>(static_cast<const char*>(feed) - (rest_.data() + at));
        line = rest_.substr(at, length);
        at += length + 1;
    }
    rest_.remove_prefix(at);
    for (std::string_view& line : lines)
        line = WithoutCarriageReturn(line);
    return true;
}

LineReader::Line LineReader::PassOver(std::size_t length, bool terminated)
{
    rest_.remove_prefix(length);
    onlyLineEnds_ = false;
    ++overlongLines_;
    return Line{{}, terminated, true};
}

LineReader::Line LineReader::PassOverLongLine()
{
    for (;;) {
        if (const char* feed = FindLineFeed())
            return PassOver(static_cast<std::size_t>(feed - rest_.data()) + 1, true);
        rest_ = {};
        if (!Refill())
            return PassOver(0, false);
    }
}

void LineWriter::HandOn()
{
    failed_ = failed_ || !sink_(text_);
    text_.clear();
}

bool LineWriter::Finish()
{
    if (sink_ && !text_.empty())
        HandOn();
    return !failed_;
}

} // namespace Platform
