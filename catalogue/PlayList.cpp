#include "catalogue/PlayList.h"

#include "catalogue/Exceptions.h"
#include "catalogue/SortOrder.h"

#include <algorithm>
#include <iterator>

namespace VT {

Song& PlayList::At(std::int64_t index)
{
    if (index < 0 || static_cast<std::uint64_t>(index) >= songs.size())
        throw not_in_range();
    return songs[static_cast<std::size_t>(index)];
}

const Song& PlayList::At(std::int64_t index) const
{
    return const_cast<PlayList&>(*this).At(index);
}

Song& PlayList::FindByField(const std::string& text, std::uint8_t field)
{
    for (Song& song : songs) {
        const std::optional<std::string_view> value = song.FieldText(field);
        if (value && *value == text)
            return song;
    }
    throw not_found();
}

void PlayList::InsertBefore(const std::vector<Song>& run, const Song& before)
{
    const auto at = std::find(songs.begin(), songs.end(), before);
    songs.insert(at, run.begin(), run.end());
}

bool PlayList::RemoveSong(const Song& song)
{
    const auto at = std::find_if(songs.begin(), songs.end(),
                                 [&song](const Song& held) { return held.IsSameEntry(song); });
    if (at == songs.end())
        return false;
    songs.erase(at);
    return true;
}

std::size_t PlayList::RemoveSongs(const std::vector<Song>& run)
{
    std::size_t removed = 0;
    for (const Song& song : run)
        removed += RemoveSong(song) ? 1 : 0;
    return removed;
}

std::vector<bool> PlayList::Marked(const std::vector<std::size_t>& positions) const
{
    std::vector<bool> marked(songs.size(), false);
    for (const std::size_t position : positions) {
        if (position >= songs.size())
            throw not_in_range();
        marked[position] = true;
    }
    return marked;
}

void PlayList::RemoveAt(const std::vector<std::size_t>& positions)
{
    const std::vector<bool> removed = Marked(positions);
    // One pass that moves every kept song once, whatever the number removed.
    std::size_t kept = 0;
    for (std::size_t at = 0; at < songs.size(); ++at) {
        if (removed[at])
            continue;
        if (kept != at)
            songs[kept] = std::move(songs[at]);
        ++kept;
    }
    songs.resize(kept);
}

void PlayList::MoveAt(const std::vector<std::size_t>& positions, std::size_t before)
{
    const std::vector<bool> moving = Marked(positions);
    std::vector<Song> moved;
    std::vector<Song> kept;
    moved.reserve(positions.size());
    kept.reserve(songs.size());
    std::size_t insertAt = songs.size();
    for (std::size_t at = 0; at < songs.size(); ++at) {
        if (at == before && !moving[at])
            insertAt = kept.size();
        (moving[at] ? moved : kept).push_back(std::move(songs[at]));
    }
    insertAt = std::min(insertAt, kept.size());
    kept.insert(kept.begin() + static_cast<std::ptrdiff_t>(insertAt), std::make_move_iterator(moved.begin()),
                std::make_move_iterator(moved.end()));
    songs = std::move(kept);
}

void PlayList::SortByField(std::uint8_t field, int direction)
{
    if (field > FileNameField || songs.size() < 2) {
        if (direction == -1)
            std::reverse(songs.begin(), songs.end());
        return;
    }
    std::vector<std::uint32_t> order = AscendingOrder(songs, field);
    if (direction == -1)
        std::reverse(order.begin(), order.end());
    ApplyOrder(songs, order);
}

} // namespace VT
