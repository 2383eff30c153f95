#include "platform/TextLines.h"

#include "platform/FolderListing.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace Platform {

bool LineReader::OpenFile(const std::string& path, std::size_t block)
{
    if (!IsRegularFile(path))
        return false;
    file_.reset(std::fopen(path.c_str(), "rb"));
    if (!file_)
        return false;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    unread_ = error ? 0 : static_cast<std::size_t>(size);
    // A small file needs no whole block: most list files are far smaller, and a fresh
    // block costs its pages whether they are read into or not.
    buffer_.assign(std::clamp<std::size_t>(unread_ + 1, 1, std::max<std::size_t>(block, 1)), '\0');
    rest_ = {};
    failed_ = false;
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

const char* LineReader::FindLineFeed() const
{
    return rest_.empty() ? nullptr : static_cast<const char*>(std::memchr(rest_.data(), '\n', rest_.size()));
}

std::optional<LineReader::Line> LineReader::Next()
{
    const char* feed = FindLineFeed();
    while (feed == nullptr && Refill())
        feed = FindLineFeed();
    if (rest_.empty())
        return std::nullopt;
    if (feed == nullptr) {
        const Line last{rest_, false};
        rest_ = {};
        return last;
    }
    const std::size_t length = static_cast<std::size_t>(feed - rest_.data());
    std::string_view text = rest_.substr(0, length);
    rest_.remove_prefix(length + 1);
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    return Line{text, true};
}

} // namespace Platform
