#include "platform/TextLines.h"

#include <cstring>

namespace Platform {

std::optional<LineReader::Line> LineReader::Next()
{
    if (rest_.empty())
        return std::nullopt;
    const auto* feed = static_cast<const char*>(std::memchr(rest_.data(), '\n', rest_.size()));
    if (feed == nullptr) {
        const Line last{rest_, false};
        rest_ = {};
        return last;
    }
    std::size_t length = static_cast<std::size_t>(feed - rest_.data());
    std::string_view text = rest_.substr(0, length);
    rest_.remove_prefix(length + 1);
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    return Line{text, true};
}

} // namespace Platform
