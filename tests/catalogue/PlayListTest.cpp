#include "catalogue/Exceptions.h"
#include "catalogue/PlayList.h"
#include "tests/support/SongSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using SongSamples::Titled;
using SongSamples::Titles;
using Strings = std::vector<std::string>;
using VT::PlayList;
using VT::Song;

PlayList Abc() { return SongSamples::ListOf("abc", {Titled("a"), Titled("b"), Titled("c")}); }

TEST(PlayListAt, ReachesEveryIndexInsideTheListAndRefusesTheRest)
{
    PlayList list = Abc();
    EXPECT_EQ(list.At(0).GetTitle(), "a");
    EXPECT_EQ(list.At(2).GetTitle(), "c");
    EXPECT_EQ(&list.At(2), &list.songs.back());
    EXPECT_THROW(list.At(-1), VT::not_in_range);
    EXPECT_THROW(list.At(3), VT::not_in_range);
    EXPECT_THROW(PlayList().At(0), VT::not_in_range);
    const PlayList& readOnly = list;
    EXPECT_THROW(readOnly.At(3), VT::not_in_range);
    EXPECT_EQ(Titles(list.songs), (Strings{"a", "b", "c"}));
}

TEST(PlayListFindByField, ReturnsTheFirstSongWhoseFieldMatchesExactly)
{
    PlayList list = Abc();
    list.songs.push_back(Titled("d", "b.mp3", "/other"));
    EXPECT_EQ(&list.FindByField("b.mp3", VT::FileNameField), &list.songs[1]);
    EXPECT_EQ(&list.FindByField("c", VT::TitleField), &list.songs[2]);
    EXPECT_EQ(&list.FindByField("Band", VT::ArtistField), &list.songs[0]);
    EXPECT_EQ(&list.FindByField("Album", VT::AlbumField), &list.songs[0]);
    EXPECT_EQ(&list.FindByField("1999", VT::YearField), &list.songs[0]);
    EXPECT_EQ(&list.FindByField("Rock", VT::GenreField), &list.songs[0]);
}

TEST(PlayListFindByField, FailsOnCaseBlanksAndUnknownFieldNumbers)
{
    PlayList list = Abc();
    EXPECT_THROW(list.FindByField("B.MP3", VT::FileNameField), VT::not_found);
    EXPECT_THROW(list.FindByField("b ", VT::TitleField), VT::not_found);
    EXPECT_THROW(list.FindByField("b.mp3", 6), VT::not_found);
    EXPECT_THROW(list.FindByField("", VT::TitleField), VT::not_found);
    list.songs.push_back(Song());
    EXPECT_EQ(&list.FindByField("", VT::TitleField), &list.songs[3]);
    EXPECT_THROW(PlayList().FindByField("a", VT::TitleField), VT::not_found);
}

TEST(PlayListInsertBefore, PutsTheRunBeforeTheFirstEqualSongOrAtTheEnd)
{
    PlayList list = Abc();
    list.InsertBefore({Titled("x"), Titled("y")}, Titled("b"));
    EXPECT_EQ(Titles(list.songs), (Strings{"a", "x", "y", "b", "c"}));
    list.InsertBefore({Titled("z")}, Titled("missing"));
    EXPECT_EQ(Titles(list.songs), (Strings{"a", "x", "y", "b", "c", "z"}));
    list.InsertBefore({}, Titled("a"));
    EXPECT_EQ(list.songs.size(), 6U);
}

TEST(PlayListInsertBefore, TakesTheFirstSongWithEqualTagsWhateverItsFile)
{
    PlayList list = SongSamples::ListOf("twins", {Titled("t", "one.mp3"), Titled("t", "two.mp3")});
    list.InsertBefore({Titled("new")}, list.songs[1]);
    EXPECT_EQ(Titles(list.songs), (Strings{"new", "t", "t"}));
    EXPECT_EQ(list.songs[1].GetFileName(), "one.mp3");
}

TEST(PlayListRemoveSongs, RemovesOnlyTheNamedEntryOfASongWithTwins)
{
    PlayList list = SongSamples::ListOf("twins", {Titled("t", "one.mp3"), Titled("a"), Titled("t", "two.mp3")});
    EXPECT_EQ(list.RemoveSongs({Titled("t", "two.mp3")}), 1U);
    EXPECT_EQ(Titles(list.songs), (Strings{"t", "a"}));
    EXPECT_EQ(list.songs[0].GetFileName(), "one.mp3");
}

TEST(PlayListRemoveSongs, RemovesAtMostOneEntryPerSongGiven)
{
    const Song twice = Titled("t");
    PlayList list = SongSamples::ListOf("dup", {twice, Titled("a"), twice, twice});
    EXPECT_EQ(list.RemoveSongs({twice, twice}), 2U);
    EXPECT_EQ(Titles(list.songs), (Strings{"a", "t"}));
}

TEST(PlayListRemoveSongs, NeedsTheSameFolderFileNameAndTags)
{
    PlayList list = Abc();
    Song otherFolder = Titled("a", "a.mp3", "/elsewhere");
    Song otherTag = Titled("a");
    otherTag.SetYear("2000");
    EXPECT_EQ(list.RemoveSongs({otherFolder, otherTag, Titled("missing")}), 0U);
    EXPECT_EQ(Titles(list.songs), (Strings{"a", "b", "c"}));
    EXPECT_EQ(list.RemoveSongs({Titled("c"), Titled("a")}), 2U);
    EXPECT_EQ(Titles(list.songs), (Strings{"b"}));
}

PlayList ListTitled(const Strings& titles)
{
    PlayList list;
    for (const std::string& title : titles)
        list.songs.push_back(Titled(title));
    return list;
}

TEST(PlayListSortByField, OrdersByUnsignedBytesWithCaseCounting)
{
    PlayList list = ListTitled({"apple", "\xC3\xA9t\xC3\xA9", "Abc", "Zebra", "", "Ab", "zoo"});
    list.SortByField(VT::TitleField, +1);
    EXPECT_EQ(Titles(list.songs), (Strings{"", "Ab", "Abc", "Zebra", "apple", "zoo", "\xC3\xA9t\xC3\xA9"}));
    list.SortByField(VT::TitleField, -1);
    EXPECT_EQ(Titles(list.songs), (Strings{"\xC3\xA9t\xC3\xA9", "zoo", "apple", "Zebra", "Abc", "Ab", ""}));
}

TEST(PlayListSortByField, SortsByEachNumberedField)
{
    PlayList list;
    for (const char* text : {"b", "c", "a"}) {
        list.songs.push_back(SongSamples::Make({.title = std::string("t") + text, .artist = text, .album = text,
                                                .genre = text, .year = text, .fileName = text}));
    }
    for (std::uint8_t field = 0; field <= VT::FileNameField; ++field) {
        PlayList sorted = list;
        sorted.SortByField(field, +1);
        EXPECT_EQ(Titles(sorted.songs), (Strings{"ta", "tb", "tc"})) << int(field);
    }
}

TEST(PlayListSortByField, KeepsEveryTextOfEachSongAndAnyOtherDirectionIsAscending)
{
    PlayList list = SongSamples::ListOf("x", {Titled("b", "1.mp3"), Titled("a", "2.mp3")});
    list.SortByField(VT::TitleField, 7);
    ASSERT_EQ(Titles(list.songs), (Strings{"a", "b"}));
    EXPECT_TRUE(SongSamples::SameTexts(list.songs[0], Titled("a", "2.mp3")));
    EXPECT_TRUE(SongSamples::SameTexts(list.songs[1], Titled("b", "1.mp3")));
}

TEST(PlayListSortByField, LeavesEmptyAndOneSongListsAlone)
{
    PlayList empty;
    empty.SortByField(VT::TitleField, -1);
    EXPECT_TRUE(empty.songs.empty());
    PlayList one = ListTitled({"only"});
    one.SortByField(VT::TitleField, -1);
    one.SortByField(VT::FileNameField, +1);
    EXPECT_EQ(Titles(one.songs), (Strings{"only"}));
}

TEST(PlayListSortByField, DescendingIsTheAscendingResultReversedEvenForAnUnknownField)
{
    for (std::uint8_t field : {std::uint8_t{VT::ArtistField}, std::uint8_t{6}}) {
        PlayList ascending = ListTitled({"b", "a", "c", "d"});
        PlayList descending = ascending;
        ascending.SortByField(field, +1);
        descending.SortByField(field, -1);
        Strings reversed = Titles(ascending.songs);
        std::reverse(reversed.begin(), reversed.end());
        EXPECT_EQ(Titles(descending.songs), reversed) << int(field);
        Strings sorted = reversed;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, (Strings{"a", "b", "c", "d"}));
    }
}

TEST(PlayListFile, RecordsThePathAndItsLastFourCharactersAsExtension)
{
    PlayList list;
    list.SetFile("/lists/Mix.VTL");
    EXPECT_EQ(list.GetFilePath(), "/lists/Mix.VTL");
    EXPECT_EQ(list.GetExtension(), ".VTL");
    list.SetExtension(".vtl");
    EXPECT_EQ(list.GetExtension(), ".vtl");
    EXPECT_EQ(list.GetFilePath(), "/lists/Mix.VTL");
}

} // namespace
