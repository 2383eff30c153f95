#include "catalogue/RecordLine.h"

#include "platform/TextLines.h"

#include <cstdint>
#include <cstring>

namespace VT {

namespace {

constexpr std::uint64_t EveryByte = 0x0101010101010101;
constexpr std::uint64_t EveryTopBit = 0x8080808080808080;

// True when one of the eight bytes of `word` is `byte`: the byte becomes zero after the
// exclusive or, and only a zero byte borrows into its top bit without having it set.
constexpr bool WordHasByte(std::uint64_t word, unsigned char byte)
{
    const std::uint64_t x = word ^ (EveryByte * byte);
    return ((x - EveryByte) & ~x & EveryTopBit) != 0;
}

bool IsBreak(char byte, bool carriageReturnToo)
{
    return byte == '\n' || (carriageReturnToo && byte == '\r');
}

// Runs over every byte of every list file written, so it looks at eight bytes at a time.
bool HasBreak(std::string_view text, bool carriageReturnToo)
{
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= text.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, sizeof word);
        if (WordHasByte(word, '\n') || (carriageReturnToo && WordHasByte(word, '\r')))
            return true;
    }
    for (; at < text.size(); ++at) {
        if (IsBreak(text[at], carriageReturnToo))
            return true;
    }
    return false;
}

void AppendWithBreaksAsBlanks(std::string& output, std::string_view text, bool carriageReturnToo)
{
    const std::size_t start = output.size();
    output.append(text);
    if (!HasBreak(text, carriageReturnToo))
        return;
    for (std::size_t i = start; i < output.size(); ++i) {
        if (IsBreak(output[i], carriageReturnToo))
            output[i] = ' ';
    }
}

} // namespace

void AppendRecordText(std::string& output, std::string_view text)
{
    AppendWithBreaksAsBlanks(output, text, false);
}

void AppendRecordLine(std::string& output, std::string_view text)
{
    AppendRecordText(output, text);
    output.append(Platform::LineEnd);
}

void AppendPlayerLine(std::string& output, std::string_view text)
{
    AppendWithBreaksAsBlanks(output, text, true);
    output.append(Platform::LineEnd);
}

} // namespace VT
