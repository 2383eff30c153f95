#include "catalogue/Filter.h"

#include "catalogue/FoldCase.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace VT {

namespace {

// `folded` is folded already; the song's bytes are folded as they are read, so a match
// never copies the song's text.
bool EqualsFolded(const char* text, std::string_view folded)
{
    for (std::size_t i = 0; i < folded.size(); ++i) {
        if (FoldByte(text[i]) != static_cast<unsigned char>(folded[i]))
            return false;
    }
    return true;
}

bool IsFolded(std::string_view text, std::string_view folded)
{
    return text.size() == folded.size() && EqualsFolded(text.data(), folded);
}

// The search finds nothing in an empty text, not even an empty criterion, and never a
// criterion longer than the text.
bool Searchable(std::string_view text, std::string_view folded)
{
    return !text.empty() && folded.size() <= text.size();
}

// The bytes of an eight-byte word that fold to `first`, each marked by its top bit. A
// mark may also fall above a true one; every candidate is checked byte by byte anyway.
std::uint64_t FirstByteMarks(const char* bytes, unsigned char first)
{
    constexpr std::uint64_t Ones = 0x0101010101010101u;
    constexpr std::uint64_t Tops = 0x8080808080808080u;
    // Setting the 0x20 bit of every byte folds A to Z onto a to z, and leaves no other
    // byte equal to a small letter that it was not already.
    const std::uint64_t lower = static_cast<unsigned>(first - 'a') < 26u ? 0x20 * Ones : 0;
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    const std::uint64_t differences = (word | lower) ^ (first * Ones);
    return (differences - Ones) & ~differences & Tops;
}

std::size_t MarkedByte(std::uint64_t marks)
{
    const auto index = static_cast<std::size_t>(std::countr_zero(marks) / 8);
    return std::endian::native == std::endian::little ? index : 7 - index;
}

bool ContainsFolded(std::string_view text, std::string_view folded)
{
    if (!Searchable(text, folded))
        return false;
    if (folded.empty())
        return true;
    const auto first = static_cast<unsigned char>(folded.front());
    const std::size_t lastStart = text.size() - folded.size();
    std::size_t start = 0;
    // Eight bytes at a time, as a plain byte search would go; the tail byte by byte.
    for (; start <= lastStart && start + 8 <= text.size(); start += 8) {
        for (std::uint64_t marks = FirstByteMarks(text.data() + start, first); marks != 0; marks &= marks - 1) {
            const std::size_t at = start + MarkedByte(marks);
            if (at <= lastStart && EqualsFolded(text.data() + at, folded))
                return true;
        }
    }
    for (; start <= lastStart; ++start) {
        if (EqualsFolded(text.data() + start, folded))
            return true;
    }
    return false;
}

bool StartsWithFolded(std::string_view text, std::string_view folded)
{
    return Searchable(text, folded) && EqualsFolded(text.data(), folded);
}

// A true suffix test: a text that holds the criterion more than once still ends with it.
bool EndsWithFolded(std::string_view text, std::string_view folded)
{
    return Searchable(text, folded) && EqualsFolded(text.data() + (text.size() - folded.size()), folded);
}

} // namespace

Filter::Criteria::Criteria(std::uint8_t field, std::uint8_t op, std::string text)
    : field_(field), operator_(op), text_(std::move(text)), foldedText_(FoldCase(text_))
{
}

bool Filter::Criteria::Match(const Song& song) const
{
    const std::optional<std::string_view> field = song.FieldText(field_);
    if (!field)
        return false;
    const std::string_view text = *field;
    switch (operator_) {
    case Contains: return ContainsFolded(text, foldedText_);
    case DoesNotContain: return !ContainsFolded(text, foldedText_);
    case Is: return IsFolded(text, foldedText_);
    case IsNot: return !IsFolded(text, foldedText_);
    case StartsWith: return StartsWithFolded(text, foldedText_);
    case EndsWith: return EndsWithFolded(text, foldedText_);
    default: return false;
    }
}

std::vector<std::size_t> Filter::Select(const PlayList& input, bool all) const
{
    std::vector<std::size_t> positions;
    if (criteria_.empty())
        return positions;
    const std::size_t needed = all ? criteria_.size() : 1;
    for (std::size_t at = 0; at < input.songs.size(); ++at) {
        std::size_t counted = 0;
        for (const Criteria& criteria : criteria_)
            counted += criteria.GetText().empty() || criteria.Match(input.songs[at]);
        if (counted >= needed)
            positions.push_back(at);
    }
    return positions;
}

void Filter::Apply(const PlayList& input, PlayList& output, bool all) const
{
    const std::vector<std::size_t> positions = Select(input, all);
    output.songs.reserve(output.songs.size() + positions.size());
    for (const std::size_t at : positions)
        output.songs.push_back(input.songs[at]);
}

} // namespace VT
