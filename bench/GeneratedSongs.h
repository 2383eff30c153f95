#pragma once

#include "catalogue/PlayList.h"

#include <random>
#include <string>
#include <string_view>

namespace GeneratedSongs {

// A text of `length` letters and blanks, like a title or an artist.
inline std::string Words(std::mt19937& random, std::size_t length)
{
    static constexpr std::string_view Letters = "abcdefghijklmnopqrstuvwxyz     ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string text(length, ' ');
    for (char& c : text)
        c = Letters[random() % Letters.size()];
    return text;
}

// A list of `count` songs as a folder scan makes them: titles of 10 to 30 characters,
// folders of about 40, paths of about 70. The same count always gives the same songs.
inline VT::PlayList List(const std::string& name, std::size_t count)
{
    // Path and type come from reading a file; a generated song sets them itself.
    struct ScannedSong : VT::Song {
        using Song::SetPath;
        using Song::SetType;
    };
    std::mt19937 random(20240501);
    const auto between = [&random](std::size_t low, std::size_t high) { return low + random() % (high - low + 1); };
    VT::PlayList list;
    list.SetName(name);
    list.songs.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        ScannedSong song;
        song.SetTitle(Words(random, between(10, 30)));
        song.SetArtist(Words(random, between(8, 24)));
        song.SetAlbum(Words(random, between(8, 30)));
        song.SetGenre("Rock");
        song.SetYear(std::to_string(1960 + i % 60));
        song.SetFileName(std::string(song.GetTitle()) + ".mp3");
        song.SetFolder("/home/listener/Music/" + Words(random, between(15, 23)));
        song.SetPath(song.GetFullFileName());
        song.SetType("mp3");
        list.songs.push_back(std::move(song));
    }
    return list;
}

} // namespace GeneratedSongs
