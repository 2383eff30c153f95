#pragma once

#include "catalogue/ListSequence.h"

#include <string>
#include <vector>

namespace VT {

class MP3Song;
class SourceManager;

// The user's play lists, kept in ".vtl" files. Copies share each list until one side
// changes it, which is what keeps the undo history cheap.
class PlayListManager : public ListSequence {
public:
    static constexpr std::string_view Extension = ".vtl";

    PlayListManager() : ListSequence(Extension) {}
    PlayListManager(const PlayListManager&) = default;
    PlayListManager& operator=(const PlayListManager&) = default;

    // Splits a file path at its last separator into folder and file name.
    static void SplitPath(const std::string& path, std::string& folder, std::string& name);

    // Takes the songs over: a caller that hands them on with std::move copies none.
    void AddSongs(std::vector<Song> songs, ListPtr list);
    // Copies go before the first song equal to `before`, or at the end.
    void InsertSongs(const std::vector<Song>& songs, ListPtr list, const Song& before);
    // For each song given, removes at most the one entry of that song in that file.
    void RemoveSongs(const std::vector<Song>& songs, ListPtr list);
    // Removes the entries at these positions of the list (PlayList::RemoveAt).
    void RemoveSongsAt(const std::vector<std::size_t>& positions, ListPtr list);
    // Moves the entries at these positions before the entry at `before` (PlayList::MoveAt).
    void MoveSongsAt(const std::vector<std::size_t>& positions, ListPtr list, std::size_t before);
    // RemoveSongs, then InsertSongs of the same songs: no entry is lost or duplicated.
    void MoveSongs(const std::vector<Song>& songs, ListPtr list, const Song& before);

    // Reads an M3U file into a new play list named after it and adds it. `lineCount`
    // receives the number of song lines. Throws invalid_file or import_error.
    ListPtr ImportM3U(const std::string& path, const std::string& folder, MP3Song& reading,
                      SourceManager& sources, int& lineCount);

    // Writes the list's songs as an M3U file, full paths or file names alone.
    // Throws invalid_file when the file cannot be written completely.
    void ExportM3U(const std::string& path, ListPtr list, bool full);
};

} // namespace VT
