#include "catalogue/Exceptions.h"
#include "catalogue/PlayList.h"
#include "platform/Separator.h"
#include "tests/support/SongSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using namespace SongSamples;
using VT::PlayList;
using VT::Song;

TEST(Song, EqualityComparesTheFiveTagTextsOnlyAndTheSameEntryTheFileToo)
{
    Song elsewhere = Full;
    elsewhere.SetFileName("other.mp3");
    EXPECT_TRUE(elsewhere == Full);
    EXPECT_FALSE(elsewhere.IsSameEntry(Full));
    EXPECT_TRUE(Song(Full).IsSameEntry(Full));
    using Setter = void (Song::*)(std::string_view);
    for (Setter set : {&Song::SetTitle, &Song::SetArtist, &Song::SetAlbum, &Song::SetYear, &Song::SetGenre}) {
        Song changed = Full;
        (changed.*set)("jazz"); // the genre differs in letter case alone
        EXPECT_FALSE(changed == Full);
    }
    // The same bytes split otherwise between neighbouring texts make another song.
    Song shifted = Full;
    shifted.SetTitle("Tit");
    shifted.SetArtist("leArtist");
    EXPECT_FALSE(shifted == Full);
    Song moved = Full;
    moved.SetFileName("f.mp3/music");
    moved.SetFolder("/jazz");
    EXPECT_FALSE(moved.IsSameEntry(Full));
}

TEST(Song, ClearEmptiesTheTagTextsAndKeepsTheFile)
{
    Song song = Full;
    song.Clear();
    EXPECT_TRUE(SameTexts(song, Make({.fileName = "f.mp3", .folder = "/music/jazz", .path = "/music/jazz/f.mp3", .type = "mp3"})));
}

TEST(Song, NumbersItsFieldsAndJoinsFolderAndFileWithOneSeparator)
{
    const char* expected[] = {"Title", "Artist", "Album", "1971", "Jazz", "f.mp3"};
    for (std::uint8_t field = 0; field < 6; ++field)
        EXPECT_EQ(*Full.FieldText(field), expected[field]);
    EXPECT_FALSE(Full.FieldText(6).has_value());
    const std::string sep(1, Platform::Separator);
    for (const std::string& folder : {"C:" + sep + "Music", std::string(), "ends" + sep})
        EXPECT_EQ(Make({.fileName = "a.mp3", .folder = folder}).GetFullFileName(), folder + sep + "a.mp3");
}

TEST(PlayList, AtReachesEveryIndexInsideTheListAndRefusesTheRest)
{
    PlayList list = ListOf("abc", {Titled("a"), Titled("b"), Titled("c")});
    EXPECT_EQ(&list.At(0), &list.songs.front());
    EXPECT_EQ(&list.At(2), &list.songs.back());
    for (std::int64_t index : {-1, 3})
        EXPECT_THROW(list.At(index), VT::not_in_range) << index;
}

TEST(PlayList, FindByFieldReturnsTheFirstSongWhoseFieldMatchesExactly)
{
    PlayList list = ListOf("l", {Titled("a"), Titled("b"), Titled("c"), Titled("d", "b.mp3", "/other"), Song()});
    struct Case { const char* text; std::uint8_t field; std::size_t found; }; // 5: not found
    for (const Case c : {Case{"b.mp3", VT::FileNameField, 1}, Case{"c", VT::TitleField, 2}, Case{"Band", VT::ArtistField, 0},
                         Case{"", VT::TitleField, 4}, Case{"B.MP3", VT::FileNameField, 5}, Case{"b ", VT::TitleField, 5},
                         Case{"b.mp3", 6, 5}}) {
        if (c.found < 5)
            EXPECT_EQ(&list.FindByField(c.text, c.field), &list.songs[c.found]) << c.text;
        else
            EXPECT_THROW(list.FindByField(c.text, c.field), VT::not_found) << c.text;
    }
}

TEST(PlayList, InsertBeforePutsTheRunBeforeTheFirstSongWithEqualTagsOrAtTheEnd)
{
    PlayList list = ListOf("twins", {Titled("t", "one.mp3"), Titled("b"), Titled("t", "two.mp3")});
    list.InsertBefore({Titled("x"), Titled("y")}, list.songs[2]);
    list.InsertBefore({Titled("z")}, Titled("missing"));
    EXPECT_EQ(Titles(list.songs), (Strings{"x", "y", "t", "b", "t", "z"}));
    EXPECT_EQ(list.songs[2].GetFileName(), "one.mp3");
}

TEST(PlayList, RemoveSongsTakesForEachSongGivenItsFirstEntryInTheSameFile)
{
    Song otherYear = Titled("a");
    otherYear.SetYear("2000");
    PlayList list = ListOf("twins", {Titled("t", "one.mp3"), Titled("a"), Titled("t", "two.mp3"), Titled("a")});
    EXPECT_EQ(list.RemoveSongs({Titled("t", "two.mp3"), Titled("a", "a.mp3", "/elsewhere"), otherYear}), 1U);
    EXPECT_EQ(list.RemoveSongs({Titled("a"), Titled("a"), Titled("a")}), 2U);
    EXPECT_EQ(Titles(list.songs), (Strings{"t"}));
    EXPECT_EQ(list.songs[0].GetFileName(), "one.mp3");
}

// The same song twice in the same file: only the entries at the positions go.
TEST(PlayList, RemoveAtTakesExactlyTheEntriesAtThePositionsOrNothingWhenOneIsOutside)
{
    const PlayList twins = ListOf("twins", {Titled("t"), Titled("a"), Titled("t"), Titled("b"), Titled("t")});
    struct Case { std::vector<std::size_t> positions; Strings left; bool refused = false; };
    for (const Case& c : {Case{{2}, {"t", "a", "b", "t"}}, Case{{4, 0, 4}, {"a", "t", "b"}}, Case{{}, Titles(twins)},
                          Case{{0, 1, 2, 3, 4}, {}}, Case{{1, 5}, Titles(twins), true}}) {
        PlayList list = twins;
        if (c.refused)
            EXPECT_THROW(list.RemoveAt(c.positions), VT::not_in_range);
        else
            list.RemoveAt(c.positions);
        EXPECT_EQ(Titles(list.songs), c.left) << testing::PrintToString(c.positions);
    }
}

// Entries with equal tags are told apart by place alone: each moves or stays as itself.
TEST(PlayList, MoveAtTakesExactlyTheEntriesAtThePositionsBeforeTheEntryNamedOrToTheEnd)
{
    const PlayList twins = ListOf("twins", {Titled("t", "1.mp3"), Titled("a"), Titled("t", "2.mp3"), Titled("b")});
    struct Case { std::vector<std::size_t> positions; std::size_t before; Strings files; bool refused = false; };
    for (const Case& c : {Case{{2}, 0, {"2.mp3", "1.mp3", "a.mp3", "b.mp3"}},
                          Case{{0}, 3, {"a.mp3", "2.mp3", "1.mp3", "b.mp3"}},
                          Case{{3, 0}, 2, {"a.mp3", "1.mp3", "b.mp3", "2.mp3"}},
                          Case{{0, 2}, 2, {"a.mp3", "b.mp3", "1.mp3", "2.mp3"}}, // before a moved entry: the end
                          Case{{1}, 4, {"1.mp3", "2.mp3", "b.mp3", "a.mp3"}},
                          Case{{}, 0, {"1.mp3", "a.mp3", "2.mp3", "b.mp3"}},
                          Case{{1, 4}, 0, {"1.mp3", "a.mp3", "2.mp3", "b.mp3"}, true}}) {
        PlayList list = twins;
        if (c.refused)
            EXPECT_THROW(list.MoveAt(c.positions, c.before), VT::not_in_range);
        else
            list.MoveAt(c.positions, c.before);
        EXPECT_EQ(FileNames(list.songs), c.files) << testing::PrintToString(c.positions) << " before " << c.before;
    }
}

TEST(PlayList, SortByFieldOrdersByUnsignedBytesAndReversesThatOrderForMinusOne)
{
    const Strings ascending = {"", "Ab", "Abc", "Zebra", "apple", "zoo", "\xC3\xA9t\xC3\xA9"};
    PlayList list;
    for (const char* title : {"apple", "\xC3\xA9t\xC3\xA9", "Abc", "Zebra", "", "Ab", "zoo"})
        list.songs.push_back(Titled(title, title + std::string(".mp3")));
    list.SortByField(VT::TitleField, 7); // any direction but -1 ascends
    EXPECT_EQ(Titles(list.songs), ascending);
    EXPECT_TRUE(SameTexts(list.songs[1], Titled("Ab", "Ab.mp3")));
    list.SortByField(VT::TitleField, -1);
    EXPECT_EQ(Titles(list.songs), Strings(ascending.rbegin(), ascending.rend()));
    // Songs of equal keys too, and for an unknown field the list is only reversed.
    for (std::uint8_t field : {std::uint8_t{VT::ArtistField}, std::uint8_t{6}}) {
        PlayList descending = list;
        list.SortByField(field, +1);
        descending.SortByField(field, -1);
        const Strings up = Titles(list.songs);
        EXPECT_EQ(Titles(descending.songs), Strings(up.rbegin(), up.rend()));
    }
}

TEST(PlayList, SortByFieldSortsByEachNumberedField)
{
    PlayList list;
    for (const char* text : {"b", "c", "a"})
        list.songs.push_back(Make({.title = std::string("t") + text, .artist = text, .album = text, .genre = text, .year = text, .fileName = text}));
    for (std::uint8_t field = 0; field <= VT::FileNameField; ++field) {
        PlayList sorted = list;
        sorted.SortByField(field, +1);
        EXPECT_EQ(Titles(sorted.songs), (Strings{"ta", "tb", "tc"})) << int(field);
    }
}

// Texts that share their first eight bytes, that end in zero bytes or stop short of them,
// and many equal ones: the order is the bytes' order, equal texts keep theirs, -1 the reverse.
TEST(PlayList, SortByFieldOrdersLongAndEqualTextsByAllTheirBytesAndKeepsEqualOnesInOrder)
{
    using namespace std::string_literals;
    std::vector<std::string> texts = {"abcdefghZ", "abcdefgh", "abcdefgh\0"s, "abcdefgh", "abcdefg", "abcdefg\0"s,
                                      "abcdefghA", "", "\xFF", "abcdefgh\xFF" "a", "abcdefgh\xFF", "\0"s};
    // Enough random texts over a few bytes for long runs of equal prefixes and long
    // chains of moved songs; half of them share a short beginning and some a long one, and
    // each share is longer than a run that is sorted in one piece.
    std::mt19937 random(7);
    const std::string bytes = "a\0\xFFz"s;
    for (int i = 0; i < 70000; ++i) {
        std::string text(random() % 14, 'a');
        for (char& byte : text)
            byte = bytes[random() % bytes.size()];
        const std::string beginning = i % 2 == 0 ? "The " : i % 3 == 0 ? std::string(70, 'a') : "";
        texts.push_back(beginning + text);
    }
    PlayList list;
    for (std::size_t i = 0; i < texts.size(); ++i)
        list.songs.push_back(Titled(texts[i], std::to_string(i)));
    std::vector<Song> expected = list.songs;
    std::stable_sort(expected.begin(), expected.end(), [](const Song& a, const Song& b) { return a.GetTitle() < b.GetTitle(); });
    PlayList descending = list;
    list.SortByField(VT::TitleField, +1);
    EXPECT_EQ(FileNames(list.songs), FileNames(expected));
    descending.SortByField(VT::TitleField, -1);
    const Strings up = FileNames(expected);
    EXPECT_EQ(FileNames(descending.songs), Strings(up.rbegin(), up.rend()));
}

} // namespace
