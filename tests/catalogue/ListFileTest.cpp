#include "catalogue/Exceptions.h"
#include "catalogue/PlayList.h"
#include "platform/TextLines.h"
#include "tests/support/SongSamples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using SongSamples::Titled;
using SongSamples::Titles;
using Strings = std::vector<std::string>;
using VT::PlayList;

std::string Record(const std::string& title, const std::string& closing = "END SONG")
{
    return "SONG\r\n" + title + "\r\nBand\r\nAlbum\r\nRock\r\n1999\r\n" + title + ".mp3\r\n/music\r\n/music/" + title
           + ".mp3\r\nmp3\r\n" + closing + "\r\n";
}

std::string Header(const std::string& name, const std::string& count)
{
    return "VTFILE\r\n-name-\r\n" + name + "\r\n-count-\r\n" + count + "\r\n";
}

PlayList ReadList(const std::string& text, const std::string& path = "/lists/x.vtl")
{
    Platform::LineReader input(text);
    PlayList list;
    list.Read(input, path);
    return list;
}

std::string Written(const PlayList& list)
{
    std::string out;
    list.Write(out);
    return out;
}

TEST(ListFileWrite, FramesTheRecordsWithHeaderCountAndEndLine)
{
    const PlayList list = SongSamples::ListOf("Road Trip", {Titled("a"), Titled("b")});
    EXPECT_EQ(Written(list), Header("Road Trip", "2") + Record("a") + Record("b") + "END VTFILE\r\n");
}

TEST(ListFileWrite, WritesAnEmptyListAsSixLines)
{
    EXPECT_EQ(Written(SongSamples::ListOf("Empty", {})), "VTFILE\r\n-name-\r\nEmpty\r\n-count-\r\n0\r\nEND VTFILE\r\n");
    EXPECT_EQ(Written(PlayList()), "VTFILE\r\n-name-\r\n\r\n-count-\r\n0\r\nEND VTFILE\r\n");
    const PlayList back = ReadList(Written(SongSamples::ListOf("Empty", {})));
    EXPECT_EQ(back.GetName(), "Empty");
    EXPECT_TRUE(back.songs.empty());
}

TEST(ListFileWrite, WritesALineBreakInTheNameAsABlankSoTheFileReadsBack)
{
    PlayList list = SongSamples::ListOf("one\ntwo\r", {Titled("a")});
    list.songs[0].SetAlbum("x\r\ny");
    const std::string text = Written(list);
    EXPECT_EQ(text.substr(0, Header("one two ", "1").size()), Header("one two ", "1"));
    const PlayList back = ReadList(text);
    EXPECT_EQ(back.GetName(), "one two ");
    ASSERT_EQ(back.songs.size(), 1U);
    EXPECT_EQ(back.songs[0].GetAlbum(), "x  y");
}

TEST(ListFileRead, RestoresNameSongsPathAndExtension)
{
    PlayList list = SongSamples::ListOf("Mix", {Titled("a"), SongSamples::Make({}), Titled("c", "c.mp3", "/x")});
    const PlayList back = ReadList(Written(list), "/lists/Mix.VTL");
    EXPECT_EQ(back.GetName(), "Mix");
    ASSERT_EQ(back.songs.size(), 3U);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(SongSamples::SameTexts(back.songs[i], list.songs[i])) << i;
    EXPECT_EQ(back.GetFilePath(), "/lists/Mix.VTL");
    EXPECT_EQ(back.GetExtension(), ".VTL");
}

TEST(ListFileRead, TakesBareLineFeedsAsWell)
{
    std::string text = Written(SongSamples::ListOf("Mix", {Titled("a"), Titled("b")}));
    std::erase(text, '\r');
    const PlayList back = ReadList(text);
    EXPECT_EQ(back.GetName(), "Mix");
    EXPECT_EQ(Titles(back.songs), (Strings{"a", "b"}));
    EXPECT_EQ(back.songs[1].GetPath(), "/music/b.mp3");
}

TEST(ListFileRead, CountsTheRecordsNotTheCountLine)
{
    const std::string two = Record("a") + Record("b") + "END VTFILE\r\n";
    EXPECT_EQ(ReadList(Header("L", "5") + two).songs.size(), 2U);
    EXPECT_EQ(ReadList(Header("L", "0") + Record("a") + two).songs.size(), 3U);
    for (const char* count : {"-4", "x", "", " 7", "99999999999999999999", "2000000000"})
        EXPECT_EQ(ReadList(Header("L", count) + two).songs.size(), 2U) << count;
    // A damaged count must not make the reader claim room for songs the file cannot hold.
    EXPECT_LT(ReadList(Header("L", "2000000000") + two).songs.capacity(), 100U);
}

TEST(ListFileRead, DropsADamagedRecordAndKeepsTheOthers)
{
    const std::string list = Header("L", "3") + Record("a", "END SONG.") + Record("b") + Record("c", "end song")
                             + Record("d") + "END VTFILE\r\n";
    EXPECT_EQ(Titles(ReadList(list).songs), (Strings{"b", "d"}));
}

TEST(ListFileRead, ARecordWithAnExtraLineLosesOnlyItself)
{
    std::string extra = Record("a");
    extra.insert(extra.find("END SONG"), "extra\r\n");
    EXPECT_EQ(Titles(ReadList(Header("L", "3") + extra + Record("b") + "END VTFILE\r\n").songs), (Strings{"b"}));
}

TEST(ListFileRead, ARecordMissingALineTakesTheNextRecordWithIt)
{
    std::string missing = Record("a");
    missing.erase(missing.find("Band\r\n"), 6);
    const std::string list = Header("L", "3") + missing + Record("b") + Record("c") + "END VTFILE\r\n";
    EXPECT_EQ(Titles(ReadList(list).songs), (Strings{"c"}));
}

TEST(ListFileRead, StopsAtTheEndLineAndSkipsStrayLines)
{
    const std::string list =
        Header("L", "1") + "\r\nEND SONG\r\nstray\r\n" + Record("a") + "END VTFILE\r\n" + Record("after");
    EXPECT_EQ(Titles(ReadList(list).songs), (Strings{"a"}));
}

TEST(ListFileRead, KeepsEverySongWhenTheEndLineIsMissing)
{
    EXPECT_EQ(Titles(ReadList(Header("L", "2") + Record("a") + Record("b")).songs), (Strings{"a", "b"}));
    EXPECT_EQ(Titles(ReadList(Header("L", "1") + Record("a") + "END VTFILE").songs), (Strings{"a"}));
    // A last line without its line end is not looked at.
    EXPECT_TRUE(ReadList(Header("L", "1") + "SONG").songs.empty());
}

TEST(ListFileRead, RefusesAnEmptyFileAsInvalid)
{
    EXPECT_THROW(ReadList(""), VT::invalid_file);
    EXPECT_THROW(ReadList("VTFILE"), VT::invalid_file);
}

TEST(ListFileRead, RefusesADamagedHeader)
{
    const char* damaged[] = {
        "VTFILE \r\n-name-\r\nL\r\n-count-\r\n0\r\nEND VTFILE\r\n",
        "vtfile\r\n-name-\r\nL\r\n-count-\r\n0\r\nEND VTFILE\r\n",
        "\r\n",
        "VTFILE\r\n-Name-\r\nL\r\n-count-\r\n0\r\nEND VTFILE\r\n",
        "VTFILE\r\n-name-\r\nL\r\ncount\r\n0\r\nEND VTFILE\r\n",
        "VTFILE\r\n-name-\r\n-count-\r\n0\r\nEND VTFILE\r\n",
    };
    for (const char* text : damaged) {
        PlayList list;
        Platform::LineReader input(text);
        EXPECT_THROW(list.Read(input, "/lists/x.vtl"), VT::bad_playlist) << text;
        EXPECT_TRUE(list.GetFilePath().empty());
        EXPECT_TRUE(list.GetExtension().empty());
    }
}

TEST(ListFileRead, RefusesAHeaderThatEndsBeforeTheCountKeyword)
{
    for (const char* text : {"VTFILE\r\n", "VTFILE\r\n-name-", "VTFILE\r\n-name-\r\n", "VTFILE\r\n-name-\r\nL\r\n"})
        EXPECT_THROW(ReadList(text), VT::bad_playlist) << text;
}

TEST(ListFileRead, ReadsAFileEndingRightAfterTheCountKeywordAsAnEmptyList)
{
    for (const char* text : {"VTFILE\r\n-name-\r\nL\r\n-count-\r\n", "VTFILE\r\n-name-\r\nL\r\n-count-"}) {
        const PlayList list = ReadList(text, "/lists/L.vtl");
        EXPECT_EQ(list.GetName(), "L");
        EXPECT_TRUE(list.songs.empty());
        EXPECT_EQ(list.GetExtension(), ".vtl");
    }
}

} // namespace
