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

// Runs over every byte of every M3U file written, so the breaks it looks for are fixed
// when it is compiled and it looks at eight bytes at a time.
template <bool CarriageReturnToo>
bool IsBreak(char byte)
{
    return byte == '\n' || (CarriageReturnToo && byte == '\r');
}

template <bool CarriageReturnToo>
bool HasBreak(std::string_view text)
{
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= text.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, sizeof word);
        if (WordHasByte(word, '\n') || (CarriageReturnToo && WordHasByte(word, '\r')))
            return true;
    }
    for (; at < text.size(); ++at) {
        if (IsBreak<CarriageReturnToo>(text[at]))
            return true;
    }
    return false;
}

template <bool CarriageReturnToo>
char* PutWithBreaksAsBlanks(char* at, std::string_view text)
{
    std::memcpy(at, text.data(), text.size());
    if (HasBreak<CarriageReturnToo>(text)) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (IsBreak<CarriageReturnToo>(at[i]))
                at[i] = ' ';
        }
    }
    return at + text.size();
}

// Room for `size` more bytes at the end of `output`; where it starts.
char* MakeRoom(std::string& output, std::size_t size)
{
    const std::size_t start = output.size();
    output.resize(start + size);
    return output.data() + start;
}

} // namespace

char* PutRecordText(char* at, std::string_view text) { return PutWithBreaksAsBlanks<false>(at, text); }

void AppendRecordLine(std::string& output, std::string_view text)
{
    PutLineEnd(PutRecordText(MakeRoom(output, RecordLineSize(text)), text));
}

void AppendPlayerLine(std::string& output, std::string_view text)
{
    PutLineEnd(PutWithBreaksAsBlanks<true>(MakeRoom(output, RecordLineSize(text)), text));
}

} // namespace VT
