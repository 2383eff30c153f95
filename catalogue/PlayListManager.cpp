#include "catalogue/PlayListManager.h"

#include <iterator>
#include <utility>

namespace VT {

void PlayListManager::AddSongs(std::vector<Song> songs, ListPtr list)
{
    if (songs.empty())
        return;
    std::vector<Song>& held = list.Edit().songs;
    if (held.empty())
        held = std::move(songs);
    else
        held.insert(held.end(), std::make_move_iterator(songs.begin()), std::make_move_iterator(songs.end()));
}

void PlayListManager::InsertSongs(const std::vector<Song>& songs, ListPtr list, const Song& before)
{
    if (songs.empty())
        return;
    list.Edit().InsertBefore(songs, before);
}

void PlayListManager::RemoveSongs(const std::vector<Song>& songs, ListPtr list)
{
    if (songs.empty())
        return;
    list.Edit().RemoveSongs(songs);
}

void PlayListManager::RemoveSongsAt(const std::vector<std::size_t>& positions, ListPtr list)
{
    if (positions.empty())
        return;
    list.Edit().RemoveAt(positions);
}

void PlayListManager::MoveSongsAt(const std::vector<std::size_t>& positions, ListPtr list, std::size_t before)
{
    if (positions.empty())
        return;
    list.Edit().MoveAt(positions, before);
}

void PlayListManager::MoveSongs(const std::vector<Song>& songs, ListPtr list, const Song& before)
{
    RemoveSongs(songs, list);
    InsertSongs(songs, list, before);
}

} // namespace VT
