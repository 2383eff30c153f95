#pragma once

#include "catalogue/ListPtr.h"
#include "catalogue/PlayList.h"
#include "catalogue/Song.h"
#include "tests/support/Mp3Writer.h"

#include <string>
#include <vector>

namespace SongSamples {

using Strings = std::vector<std::string>;

// Every text of a song, path and type included, as a test wants them.
struct Texts {
    std::string title{};
    std::string artist{};
    std::string album{};
    std::string genre{};
    std::string year{};
    std::string fileName{};
    std::string folder{};
    std::string path{};
    std::string type{};
};

inline VT::Song Make(const Texts& texts)
{
    // Path and type have no public setter; a song read from a file or a record brings them.
    struct WithAllSetters : VT::Song {
        using Song::SetPath;
        using Song::SetType;
    } song;
    song.SetTitle(texts.title);
    song.SetArtist(texts.artist);
    song.SetAlbum(texts.album);
    song.SetGenre(texts.genre);
    song.SetYear(texts.year);
    song.SetFileName(texts.fileName);
    song.SetFolder(texts.folder);
    song.SetPath(texts.path);
    song.SetType(texts.type);
    return song;
}

// A song with every text set, its path the full file name.
inline const VT::Song Full = Make({.title = "Title", .artist = "Artist", .album = "Album", .genre = "Jazz", .year = "1971",
                                   .fileName = "f.mp3", .folder = "/music/jazz", .path = "/music/jazz/f.mp3",
                                   .type = "mp3"});

// A song known by its title and file, the rest of its tag shared with every other.
inline VT::Song Titled(const std::string& title, const std::string& fileName = "",
                       const std::string& folder = "/music")
{
    return Make({.title = title, .artist = "Band", .album = "Album", .genre = "Rock", .year = "1999",
                 .fileName = fileName.empty() ? title + ".mp3" : fileName, .folder = folder,
                 .path = folder + "/" + (fileName.empty() ? title + ".mp3" : fileName), .type = "mp3"});
}

// One text of each song or list, in their order.
template <typename Item, typename Text>
std::vector<std::string> TextsOf(const std::vector<Item>& items, Text text)
{
    std::vector<std::string> texts;
    for (const Item& item : items)
        texts.emplace_back(text(item));
    return texts;
}

inline std::vector<std::string> Titles(const std::vector<VT::Song>& songs)
{
    return TextsOf(songs, [](const VT::Song& song) { return song.GetTitle(); });
}

inline std::vector<std::string> FileNames(const std::vector<VT::Song>& songs)
{
    return TextsOf(songs, [](const VT::Song& song) { return song.GetFileName(); });
}

inline std::vector<std::string> Titles(const VT::PlayList& list)
{
    return Titles(list.songs);
}

// The names of the lists behind the handles, in their order.
inline std::vector<std::string> Names(const std::vector<VT::ListPtr>& handles)
{
    return TextsOf(handles, [](const VT::ListPtr& handle) { return handle->GetName(); });
}

// The bytes of an MP3 file whose tag gives this title, artist "Band" and year "1999".
inline std::string Tagged(const std::string& title)
{
    TestSupport::Id3v1 tag;
    tag.title = title;
    tag.artist = "Band";
    tag.year = "1999";
    return TestSupport::Mp3Bytes(tag);
}

inline VT::PlayList ListOf(const std::string& name, const std::vector<VT::Song>& songs)
{
    VT::PlayList list;
    list.SetName(name);
    list.songs = songs;
    return list;
}

// The text of a list file holding this name and these songs.
inline std::string FileOf(const std::string& name, const std::vector<VT::Song>& songs = {})
{
    std::string text;
    ListOf(name, songs).Write(text);
    return text;
}

// The nine texts: the five of the tag, then file name, folder, path and type.
inline Strings AllTexts(const VT::Song& song)
{
    return {std::string(song.GetTitle()),  std::string(song.GetArtist()), std::string(song.GetAlbum()),
            std::string(song.GetYear()),   std::string(song.GetGenre()),  std::string(song.GetFileName()),
            std::string(song.GetFolder()), song.GetPath(),                std::string(song.GetType())};
}

// Every text of both songs equal, path and type included.
inline bool SameTexts(const VT::Song& a, const VT::Song& b)
{
    return AllTexts(a) == AllTexts(b);
}

} // namespace SongSamples
