#include "mainform/OptionsFile.h"

#include "platform/TextLines.h"

#include <limits>
#include <optional>

namespace {

// Reads signed decimal integers as a text stream does: white space skipped, an optional
// sign, digits. Once a value cannot be read, no later one is.
class IntegerReader {
public:
    explicit IntegerReader(std::string_view text) : text_(text) {}

    // The last read ran into the end of the text.
    bool ReachedEnd() const { return at_ == text_.size(); }

    // Both leave `value` as it was when no integer can be read there.
    void Read(std::int32_t& value)
    {
        if (const auto read = Next())
            value = *read;
    }

    void ReadWithin(std::int32_t& value, std::int32_t lowest, std::int32_t highest)
    {
        if (const auto read = Next(); read && *read >= lowest && *read <= highest)
            value = *read;
    }

    void ReadLowByte(std::uint8_t& value)
    {
        if (const auto read = Next())
            value = static_cast<std::uint8_t>(*read);
    }

private:
    std::optional<std::int32_t> Next()
    {
        if (failed_)
            return std::nullopt;
        SkipSpace();
        const bool negative = Take('-');
        if (!negative)
            Take('+');
        std::int64_t value = 0;
        std::size_t digits = 0;
        for (; at_ < text_.size() && IsDigit(text_[at_]); ++at_, ++digits) {
            if (value <= std::numeric_limits<std::int32_t>::max())
                value = value * 10 + (text_[at_] - '0');
        }
        if (negative)
            value = -value;
        if (digits == 0 || value < std::numeric_limits<std::int32_t>::min()
            || value > std::numeric_limits<std::int32_t>::max()) {
            failed_ = true;
            return std::nullopt;
        }
        return static_cast<std::int32_t>(value);
    }

    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    void SkipSpace()
    {
        while (at_ < text_.size() && IsSpace(text_[at_]))
            ++at_;
    }

    bool Take(char c)
    {
        if (at_ == text_.size() || text_[at_] != c)
            return false;
        ++at_;
        return true;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

// A width of 0 or less would hide its column in every later run, and one beyond this
// pushes the others out of sight.
constexpr std::int32_t WidestColumn = 4000;

// The last column, the song's folder, stays unseen at the width the window gives it.
constexpr std::size_t PathColumn = 7;

std::int32_t SignExtended(std::uint8_t value)
{
    return static_cast<std::int8_t>(value);
}

} // namespace

std::string FormatOptions(const WindowOptions& options)
{
    std::string text;
    const auto line = [&text](std::int32_t value) { Platform::AppendLine(text, std::to_string(value)); };
    line(SignExtended(options.PrevToolBoxState));
    line(SignExtended(options.ToolBoxState));
    line(SignExtended(options.ShownKind));
    line(options.ShownRow);
    for (const std::int32_t width : options.ColumnWidths)
        line(width);
    return text;
}

bool ReadOptions(std::string_view text, WindowOptions& options)
{
    IntegerReader reader(text);
    reader.ReadLowByte(options.PrevToolBoxState);
    if (reader.ReachedEnd())
        return false;
    reader.ReadLowByte(options.ToolBoxState);
    reader.ReadLowByte(options.ShownKind);
    reader.Read(options.ShownRow);
    for (std::size_t column = 0; column < PathColumn; ++column)
        reader.ReadWithin(options.ColumnWidths[column], 1, WidestColumn);
    return true;
}
