#pragma once

#include "catalogue/PlayList.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

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
    std::mt19937 random(20240501);
    const auto between = [&random](std::size_t low, std::size_t high) { return low + random() % (high - low + 1); };
    VT::PlayList list;
    list.SetName(name);
    list.songs.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string title = Words(random, between(10, 30));
        const std::string artist = Words(random, between(8, 24));
        const std::string album = Words(random, between(8, 30));
        const std::string folder = "/home/listener/Music/" + Words(random, between(15, 23));
        list.songs.push_back(SongSamples::Make({.title = title, .artist = artist, .album = album, .genre = "Rock",
                                                .year = std::to_string(1960 + i % 60), .fileName = title + ".mp3",
                                                .folder = folder, .path = folder + "/" + title + ".mp3",
                                                .type = "mp3"}));
    }
    return list;
}

// Writes the list of `count` songs named `name` into the folder as a list file of a
// source (".vts") or of a play list (".vtl").
inline void WriteList(const TestSupport::TempFolder& folder, const std::string& name, std::size_t count,
                      std::string_view extension)
{
    std::string bytes;
    List(name, count).Write(bytes);
    folder.Write(name + std::string(extension), bytes);
}

} // namespace GeneratedSongs
