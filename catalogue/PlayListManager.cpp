#include "catalogue/PlayListManager.h"

namespace VT {

void PlayListManager::AddSongs(const std::vector<Song>& songs, ListPtr list)
{
    if (songs.empty())
        return;
    std::vector<Song>& held = list.Edit().songs;
    held.insert(held.end(), songs.begin(), songs.end());
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

void PlayListManager::MoveSongs(const std::vector<Song>& songs, ListPtr list, const Song& before)
{
    RemoveSongs(songs, list);
    InsertSongs(songs, list, before);
}

} // namespace VT
