#pragma once

#include "bench/FloorTurns.h"
#include "catalogue/PlayList.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

#include <array>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Songs for the benchmarks, made the same on every run.
namespace GeneratedSongs {

// The lower-case words that the title search finds in 3 % and in 50 % of the songs of a
// collection: no other text holds them.
inline std::string_view TitleWordIn(int percent)
{
    return percent == 50 ? "night" : "love";
}

namespace Shape {

// Words of names and titles. None holds a word that TitleWordIn gives; a few are Latin-1
// bytes and a few UTF-8, as tags written by different programs are.
constexpr std::array<std::string_view, 40> Words = {
    "Blue", "River", "Heart", "Dancing", "Rain", "Summer", "Song", "Broken", "Dreams", "Fire",
    "Golden", "Sky", "Road", "Home", "Again", "City", "Lights", "Alone", "Wild", "Ocean",
    "Forever", "Morning", "Train", "Silver", "Moon", "Street", "Angel", "Storm", "Shadow", "Paper",
    "Electric", "Sweet", "Little", "Water", "Stone", "Caf\xE9", "M\xFCller", "Caf\xC3\xA9", "\xC3\x89toile", "Se\xC3\xB1or"};
constexpr std::array<std::string_view, 3> RarePlants = {"Love", "love", "Beloved"};
constexpr std::array<std::string_view, 3> CommonPlants = {"Night", "night", "Midnight"};
constexpr std::array<std::string_view, 8> Genres = {"Rock", "Pop", "Jazz", "Blues", "Classical", "Country", "Other", ""};
constexpr std::string_view Music = "/home/listener/Music/";
constexpr std::string_view VariousArtists = "Various Artists";
constexpr std::size_t Artists = 4'000;
// An album of every so many is a compilation, whose songs are all by "Various Artists".
constexpr std::size_t CompilationEvery = 12;

inline std::string_view Word(std::size_t number) { return Words[number % Words.size()]; }

// Names that share long beginnings ("The Electric ..."), as a collection's do.
inline std::string ArtistName(std::size_t artist)
{
    static constexpr std::array<std::string_view, 4> Openings = {"The ", "The ", "DJ ", ""};
    return std::string(Openings[artist % 4]) + std::string(Word(artist / 4)) + " "
           + std::string(Word(artist / 4 / Words.size())) + (artist % 3 == 0 ? " Band" : "");
}

// An artist's few albums repeat across the collection, a greatest-hits one for many.
inline std::string AlbumName(std::size_t artist, std::size_t album)
{
    if (album == 0)
        return "Greatest Hits";
    if ((artist + album) % 29 == 0)
        return "";
    return std::string(Word(artist + album * 7)) + " " + std::string(Word(artist / Words.size() + album * 3));
}

inline std::string AlbumYear(std::size_t artist, std::size_t album)
{
    return (artist + album) % 31 == 0 ? "" : std::to_string(1960 + (artist * 31 + album * 7) % 60);
}

inline std::string TrackNumber(std::size_t track)
{
    return (track < 10 ? "0" : "") + std::to_string(track);
}

// "Track 07", "Track 07 - Blue River" or a few words; 3 % hold the rare word, 50 % the
// common one.
inline std::string Title(std::mt19937& random, std::size_t track)
{
    const std::size_t share = random() % 100;
    std::string title;
    if (share >= 53 && random() % 3 == 0)
        return "Track " + TrackNumber(track);
    if (random() % 4 == 0)
        title = "Track " + TrackNumber(track) + " - ";
    const std::size_t words = 1 + random() % 4;
    const std::size_t plantAt = random() % words;
    for (std::size_t i = 0; i < words; ++i) {
        if (i > 0)
            title += ' ';
        if (i == plantAt && share < 3)
            title += RarePlants[random() % RarePlants.size()];
        else if (i == plantAt && share < 53)
            title += CommonPlants[random() % CommonPlants.size()];
        else
            title += Word(random());
    }
    return title;
}

} // namespace Shape

// A list of `count` songs shaped like a collection, in the order a scan of its folders
// gives: album by album, the albums in no order. A few thousand artists, some with
// hundreds of songs, and a long run of "Various Artists"; repeated albums and years, some
// empty texts. The same count always gives the same songs.
inline VT::PlayList List(const std::string& name, std::size_t count)
{
    using namespace Shape;
    std::mt19937 random(20261207);
    VT::PlayList list;
    list.SetName(name);
    list.songs.reserve(count);
    for (std::size_t albumNumber = 0; list.songs.size() < count; ++albumNumber) {
        // The product of two even draws favours the first artists, who get the most songs.
        const std::size_t artist = (random() % Artists) * (random() % Artists) / Artists;
        const std::size_t album = random() % 8;
        const bool compilation = albumNumber % CompilationEvery == 0;
        const std::string artistName = compilation ? std::string(VariousArtists) : ArtistName(artist);
        const std::string albumName = AlbumName(artist, album);
        const std::string folder = std::string(Music) + artistName + "/" + albumName;
        const std::string genre(Genres[(artist + album) % Genres.size()]);
        const std::string year = AlbumYear(artist, album);
        const std::size_t tracks = 8 + random() % 11;
        for (std::size_t track = 1; track <= tracks && list.songs.size() < count; ++track) {
            const std::string title = Title(random, track);
            const std::string fileName = TrackNumber(track) + " " + title + ".mp3";
            list.songs.push_back(SongSamples::Make({.title = title, .artist = artistName, .album = albumName,
                                                    .genre = genre, .year = year, .fileName = fileName,
                                                    .folder = folder, .path = folder + "/" + fileName,
                                                    .type = "mp3"}));
        }
    }
    return list;
}

// A text of `length` letters and blanks.
inline std::string Letters(std::mt19937& random, std::size_t length)
{
    static constexpr std::string_view Letters = "abcdefghijklmnopqrstuvwxyz     ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string text(length, ' ');
    for (char& c : text)
        c = Letters[random() % Letters.size()];
    return text;
}

// A list of `count` songs whose texts are random letters, so that no two share more than
// a few first bytes: what the sort meets at its easiest.
inline VT::PlayList RandomLetterList(const std::string& name, std::size_t count)
{
    std::mt19937 random(20240501);
    const auto between = [&random](std::size_t low, std::size_t high) { return low + random() % (high - low + 1); };
    VT::PlayList list;
    list.SetName(name);
    list.songs.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string title = Letters(random, between(10, 30));
        const std::string folder = std::string(Shape::Music) + Letters(random, between(15, 23));
        list.songs.push_back(SongSamples::Make({.title = title, .artist = Letters(random, between(8, 24)),
                                                .album = Letters(random, between(8, 30)), .genre = "Rock",
                                                .year = std::to_string(1960 + i % 60), .fileName = title + ".mp3",
                                                .folder = folder, .path = folder + "/" + title + ".mp3",
                                                .type = "mp3"}));
    }
    return list;
}

enum Kind : std::int64_t { Collection, RandomLetters };

// The list of `count` songs of the kind, made once per count and kind for the run.
inline const VT::PlayList& Made(std::size_t count, Kind kind = Collection)
{
    static std::map<std::pair<std::size_t, Kind>, VT::PlayList> made;
    auto found = made.find({count, kind});
    if (found == made.end())
        found = made.emplace(std::make_pair(count, kind), kind == RandomLetters ? RandomLetterList("Songs", count)
                                                                                : List("Songs", count))
                    .first;
    return found->second;
}

// Makes `songs` a fresh copy of `original`, laid out in memory as a loaded list is, and
// then left long enough that none of it is in the cache, as a list is when it is sorted
// or searched long after it was loaded.
inline void Refill(std::vector<VT::Song>& songs, const std::vector<VT::Song>& original)
{
    // The old songs go first, so that the allocator tidies up after them here and not in
    // the timed part.
    songs = {};
    songs = original;
    EvictCaches();
}

// Writes the collection of `count` songs named `name` into the folder as a list file of a
// source (".vts") or of a play list (".vtl").
inline void WriteList(const TestSupport::TempFolder& folder, const std::string& name, std::size_t count,
                      std::string_view extension)
{
    std::string bytes;
    List(name, count).Write(bytes);
    folder.Write(name + std::string(extension), bytes);
}

} // namespace GeneratedSongs
