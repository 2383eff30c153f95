#pragma once

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
class LineReader {
public:
    struct Line {
        std::string_view text;
        bool terminated = true; // false for a last line that the text ends without a line feed
    };

    explicit LineReader(std::string_view text) : rest_(text) {}

    std::optional<Line> Next();

private:
    std::string_view rest_;
};

} // namespace Platform
