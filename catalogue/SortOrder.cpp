#include "catalogue/SortOrder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>
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
    // A song's texts together fit 32 bits.
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

using Entries = std::span<SortEntry>;
using DigitCounts = std::array<std::size_t, DigitValues>;

// Turns counts into the start of each digit's run; false when all entries share one digit
// and a pass over it would move nothing.
bool RunStarts(DigitCounts& counts, std::size_t entries)
{
    if (std::find(counts.begin(), counts.end(), entries) != counts.end())
        return false;
    std::size_t start = 0;
    for (std::size_t& count : counts)
        start += std::exchange(count, start);
    return true;
}

// A stable sort by the lowest `digits` digits, least significant first: its cost grows with
// the count alone, where a comparison sort's grows faster.
void SortLowDigits(Entries entries, Entries spare, std::size_t digits)
{
    std::array<DigitCounts, Digits> counts{};
    for (const SortEntry& entry : entries) {
        for (std::size_t digit = 0; digit < digits; ++digit)
            ++counts[digit][Digit(entry.prefix, digit)];
    }
    SortEntry* from = entries.data();
    SortEntry* to = spare.data();
    for (std::size_t digit = 0; digit < digits; ++digit) {
        DigitCounts& starts = counts[digit];
        if (!RunStarts(starts, entries.size()))
            continue;
        for (const SortEntry& entry : std::span(from, entries.size()))
            to[starts[Digit(entry.prefix, digit)]++] = entry;
        std::swap(from, to);
    }
    if (from != entries.data())
        std::copy(from, from + entries.size(), entries.data());
}

// Runs this short are sorted digit by digit within the cache.
constexpr std::size_t CachedRun = std::size_t{1} << 15;

// A stable sort by the lowest `digits` digits. A long run is first split by its most
// significant digit, until the runs fit the cache: passing over a run again and again
// costs the same per entry at any length only while it stays there.
void SortByPrefix(Entries entries, Entries spare, std::size_t digits)
{
    if (entries.size() <= CachedRun || digits == 0) {
        SortLowDigits(entries, spare, digits);
        return;
    }
    const std::size_t digit = digits - 1;
    DigitCounts starts{};
    for (const SortEntry& entry : entries)
        ++starts[Digit(entry.prefix, digit)];
    if (!RunStarts(starts, entries.size())) {
        SortByPrefix(entries, spare, digit);
        return;
    }
    for (const SortEntry& entry : entries)
        spare[starts[Digit(entry.prefix, digit)]++] = entry;
    std::copy(spare.begin(), spare.end(), entries.begin());
    // Each run now ends where the next began.
    std::size_t start = 0;
    for (const std::size_t end : starts) {
        if (end - start > 1)
            SortByPrefix(entries.subspan(start, end - start), spare.subspan(start, end - start), digit);
        start = end;
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

// Visits the songs at the positions indexOf(0), indexOf(1) ... indexOf(count - 1) in turn,
// each song asked for well ahead and its texts, once the song is there to say where they
// lie, a little ahead.
template <typename IndexOf, typename Visit>
void VisitScattered(const std::vector<Song>& songs, std::size_t count, IndexOf indexOf, Visit visit)
{
    for (std::size_t at = 0; at < count; ++at) {
        if (at + 2 * PrefetchDistance < count)
            Prefetch(songs[indexOf(at + 2 * PrefetchDistance)]);
        if (at + PrefetchDistance < count)
            songs[indexOf(at + PrefetchDistance)].PrefetchTexts();
        visit(at, songs[indexOf(at)]);
    }
}

// Runs no longer than this are finished by comparing their texts: counting digits would
// cost more than the few comparisons.
constexpr std::size_t ComparedRun = 48;

// Texts that still agree this far are rare, and may be long: their runs are finished by
// comparing them whole rather than eight bytes a round.
constexpr std::size_t ComparedDepth = 64;

// A stable sort. A short run is sorted in place, comparing each entry about log n times:
// a merge sort's buffer would cost more than the sort.
template <typename Less>
void StableSort(std::span<SortEntry> entries, const Less& less)
{
    if (entries.size() > ComparedRun) {
        std::stable_sort(entries.begin(), entries.end(), less);
        return;
    }
    for (auto at = entries.begin(); at != entries.end(); ++at) {
        const SortEntry entry = *at;
        const auto place = std::upper_bound(entries.begin(), at, entry, less);
        std::move_backward(place, at, at + 1);
        *place = entry;
    }
}

// A run of entries whose texts agree in their first `offset` bytes.
struct PendingRun {
    std::size_t start;
    std::size_t size;
    std::size_t offset;
};

// Hands on every run of equal prefixes among `entries`, whose texts agree before `offset`,
// as a run that agrees in the eight bytes after it as well.
void PushEqualPrefixRuns(std::span<const SortEntry> entries, std::size_t start, std::size_t offset,
                         std::vector<PendingRun>& pending)
{
    for (std::size_t at = 0; at < entries.size();) {
        std::size_t end = at + 1;
        while (end < entries.size() && entries[end].prefix == entries[at].prefix)
            ++end;
        if (end - at > 1)
            pending.push_back({start + at, end - at, offset + PrefixSize});
        at = end;
    }
}

} // namespace

std::vector<std::uint32_t> AscendingOrder(const std::vector<Song>& songs, std::uint8_t field)
{
    const auto text = [&](std::uint32_t index) { return *songs[index].FieldText(field); };
    std::vector<SortEntry> entries;
    entries.reserve(songs.size());
    // The blocks of songs in list order may still lie scattered, as blocks freed and made
    // anew fall.
    VisitScattered(
        songs, songs.size(), [](std::size_t at) { return at; },
        [&](std::size_t at, const Song& song) {
            const std::string_view bytes = *song.FieldText(field);
            entries.push_back({Prefix(bytes), static_cast<std::uint32_t>(bytes.size()), static_cast<std::uint32_t>(at)});
        });
    std::vector<SortEntry> spare(entries.size());
    SortByPrefix(entries, spare, Digits);

    // Texts that share their beginnings, as the names of one artist or "Track 07" do, are
    // told apart by their next eight bytes, and the next, each run sorted by digits again:
    // a run's texts are read once for each eight bytes they share, not once per comparison.
    // Sorting is stable throughout, so equal texts keep their order.
    std::vector<PendingRun> pending;
    PushEqualPrefixRuns(entries, 0, 0, pending);
    while (!pending.empty()) {
        const PendingRun run = pending.back();
        pending.pop_back();
        const auto first = entries.begin() + static_cast<std::ptrdiff_t>(run.start);
        const auto last = first + static_cast<std::ptrdiff_t>(run.size);
        // A text that ends within the shared bytes starts every longer text of the run.
        const auto ends = [&](const SortEntry& e) { return e.size <= run.offset; };
        auto longer = first;
        if (std::any_of(first, last, ends)) {
            longer = std::stable_partition(first, last, ends);
            StableSort(std::span(first, longer), [](const SortEntry& a, const SortEntry& b) { return a.size < b.size; });
        }
        const std::span<SortEntry> rest(longer, last);
        if (rest.size() < 2)
            continue;
        if (rest.size() <= ComparedRun || run.offset >= ComparedDepth) {
            StableSort(rest, [&](const SortEntry& a, const SortEntry& b) {
                return text(a.index).substr(run.offset) < text(b.index).substr(run.offset);
            });
            continue;
        }
        // The run's songs lie scattered among the others.
        VisitScattered(
            songs, rest.size(), [&](std::size_t at) { return rest[at].index; },
            [&](std::size_t at, const Song& song) { rest[at].prefix = Prefix(song.FieldText(field)->substr(run.offset)); });
        const std::size_t restStart = static_cast<std::size_t>(longer - entries.begin());
        SortByPrefix(rest, std::span(spare).subspan(restStart, rest.size()), Digits);
        PushEqualPrefixRuns(rest, restStart, run.offset, pending);
    }

    std::vector<std::uint32_t> order;
    order.reserve(entries.size());
    for (const SortEntry& entry : entries)
        order.push_back(entry.index);
    return order;
}

// Gathers copies of the songs into a new array in their order, each text block made anew,
// so that the blocks lie in the new order too and a search over the sorted list reads them
// straight on. The writes run straight on, and the scattered reads are asked for ahead,
// as the order tells exactly which come next.
void ApplyOrder(std::vector<Song>& songs, const std::vector<std::uint32_t>& order)
{
    std::vector<Song> ordered;
    ordered.reserve(songs.size());
    VisitScattered(
        songs, order.size(), [&](std::size_t at) { return order[at]; },
        [&](std::size_t, const Song& song) { ordered.push_back(song); });
    songs = std::move(ordered);
}

} // namespace VT
