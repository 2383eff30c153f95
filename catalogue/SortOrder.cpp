#include "catalogue/SortOrder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <string_view>
#include <utility>

namespace VT {

namespace {

constexpr std::size_t PrefixSize = 8;
constexpr unsigned DigitBits = 8;
constexpr std::size_t Digits = PrefixSize * 8 / DigitBits;
constexpr std::size_t DigitValues = std::size_t{1} << DigitBits;

// What a comparison needs of one song, packed so that most comparisons never reach the
// song itself: sorting 16-byte entries stays within the cache where the songs do not.
struct SortEntry {
    // The text's first eight bytes, big-endian, zero-padded: a number whose order is the
    // order of those bytes, unsigned.
    std::uint64_t prefix;
    // Only compared while one of two texts fits the prefix, so the cap loses nothing.
    std::uint32_t size;
    std::uint32_t index;
};

std::uint64_t Prefix(std::string_view text)
{
    unsigned char bytes[PrefixSize] = {};
    std::memcpy(bytes, text.data(), std::min(text.size(), PrefixSize));
    std::uint64_t prefix = 0;
    for (const unsigned char byte : bytes)
        prefix = prefix << 8 | byte;
    return prefix;
}

unsigned Digit(std::uint64_t prefix, std::size_t digit)
{
    return static_cast<unsigned>(prefix >> (digit * DigitBits)) & (DigitValues - 1);
}

// A stable sort by prefix, least significant digit first: its cost grows with the count
// alone, where a comparison sort's grows faster. A digit that all entries share is skipped.
void SortByPrefix(std::vector<SortEntry>& entries)
{
    std::array<std::array<std::size_t, DigitValues>, Digits> counts{};
    for (const SortEntry& entry : entries) {
        for (std::size_t digit = 0; digit < Digits; ++digit)
            ++counts[digit][Digit(entry.prefix, digit)];
    }
    std::vector<SortEntry> spare(entries.size());
    for (std::size_t digit = 0; digit < Digits; ++digit) {
        std::array<std::size_t, DigitValues>& starts = counts[digit];
        if (std::find(starts.begin(), starts.end(), entries.size()) != starts.end())
            continue;
        std::size_t start = 0;
        for (std::size_t& count : starts)
            start += std::exchange(count, start);
        for (const SortEntry& entry : entries)
            spare[starts[Digit(entry.prefix, digit)]++] = entry;
        entries.swap(spare);
    }
}

// Asks for a song's bytes ahead of their use: songs visited in a scattered order cost
// what waiting for each in turn costs, unless several are on their way at once.
void Prefetch(const Song& song)
{
#if defined(__GNUC__)
    const auto* const bytes = reinterpret_cast<const char*>(&song);
    for (std::size_t offset = 0; offset < sizeof(Song); offset += 64)
        __builtin_prefetch(bytes + offset, 1);
    __builtin_prefetch(bytes + sizeof(Song) - 1, 1);
#else
    static_cast<void>(song);
#endif
}

constexpr std::size_t PrefetchDistance = 8;

} // namespace

std::vector<std::uint32_t> AscendingOrder(const std::vector<Song>& songs, std::uint8_t field)
{
    std::vector<SortEntry> entries;
    entries.reserve(songs.size());
    for (std::size_t at = 0; at < songs.size(); ++at) {
        const std::string& text = *songs[at].FieldText(field);
        const std::size_t capped = std::min<std::size_t>(text.size(), std::numeric_limits<std::uint32_t>::max());
        entries.push_back({Prefix(text), static_cast<std::uint32_t>(capped), static_cast<std::uint32_t>(at)});
    }
    SortByPrefix(entries);
    const auto tail = [&](const SortEntry& entry) {
        return std::string_view(*songs[entry.index].FieldText(field)).substr(PrefixSize);
    };
    // Within a run of equal prefixes; the index keeps equal texts in their order.
    const auto less = [&](const SortEntry& a, const SortEntry& b) {
        // A text no longer than the prefix starts the other.
        if (std::min(a.size, b.size) <= PrefixSize) {
            if (a.size != b.size)
                return a.size < b.size;
        } else if (const int order = tail(a).compare(tail(b)); order != 0) {
            return order < 0;
        }
        return a.index < b.index;
    };
    for (auto run = entries.begin(); run != entries.end();) {
        const auto end = std::find_if(run + 1, entries.end(), [&](const SortEntry& e) { return e.prefix != run->prefix; });
        std::sort(run, end, less);
        run = end;
    }
    std::vector<std::uint32_t> order;
    order.reserve(entries.size());
    for (const SortEntry& entry : entries)
        order.push_back(entry.index);
    return order;
}

// Follows each cycle of the permutation: the song taken out of a place is the one whose
// place is filled next, so every write lands where the last read was, still in the cache.
void ApplyOrder(std::vector<Song>& songs, std::vector<std::uint32_t> order)
{
    constexpr std::uint32_t Placed = std::numeric_limits<std::uint32_t>::max();
    for (std::size_t start = 0; start < songs.size(); ++start) {
        if (order[start] == Placed)
            continue;
        if (order[start] == start) {
            order[start] = Placed;
            continue;
        }
        Song held = std::move(songs[start]);
        std::size_t ahead = order[start];
        for (std::size_t step = 0; step < PrefetchDistance && ahead != start; ++step, ahead = order[ahead])
            Prefetch(songs[ahead]);
        for (std::size_t to = start;;) {
            const std::size_t from = std::exchange(order[to], Placed);
            if (from == start) {
                songs[to] = std::move(held);
                break;
            }
            if (ahead != start) {
                Prefetch(songs[ahead]);
                ahead = order[ahead];
            }
            songs[to] = std::move(songs[from]);
            to = from;
        }
    }
}

} // namespace VT
