#include "catalogue/Exceptions.h"
#include "catalogue/PlayList.h"
#include "platform/TextLines.h"
#include "tests/support/SongSamples.h"

#include <gtest/gtest.h>

namespace {

using namespace SongSamples;
using VT::PlayList;
using VT::Song;

// The record in its order: title, artist, album, genre, year, file name, folder, path, type.
const std::string FullRecord = "SONG\r\nTitle\r\nArtist\r\nAlbum\r\nJazz\r\n1971\r\nf.mp3\r\n/music/jazz\r\n"
                               "/music/jazz/f.mp3\r\nmp3\r\nEND SONG\r\n";

std::string Written(const Song& song)
{
    std::string out;
    song.Write(out);
    return out;
}

// Reads a record back as the list-file reader does, its "SONG" line taken first.
Song ReadBack(const std::string& record)
{
    Platform::LineReader input(record);
    EXPECT_EQ(input.Next()->text, "SONG");
    Song song;
    song.Read(input);
    return song;
}

TEST(SongRecord, IsElevenLinesThatReadBackWithEitherLineEnd)
{
    EXPECT_EQ(Written(Full), FullRecord);
    EXPECT_EQ(Written(Song()), "SONG\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nEND SONG\r\n");
    std::string bare = FullRecord;
    std::erase(bare, '\r');
    EXPECT_TRUE(SameTexts(ReadBack(bare), Full));
    for (const Song& song : {Full, Make({.title = "Only a title", .path = "p"}), Song()})
        EXPECT_TRUE(SameTexts(ReadBack(Written(song)), song)) << Written(song);
}

TEST(SongRecord, WritesALineFeedAtAnyPlaceOfAFieldAsABlankAndKeepsALoneCarriageReturn)
{
    const std::string plain = "abcdefghijklmnopqrstuvwx"; // three words of eight bytes
    for (std::size_t at = 0; at < plain.size(); ++at) {
        std::string title = plain;
        title[at] = '\n';
        std::string expected = plain;
        expected[at] = ' ';
        EXPECT_EQ(Written(Make({.title = title})).substr(6, plain.size() + 2), expected + "\r\n") << at;
    }
    EXPECT_EQ(ReadBack(Written(Make({.folder = "a\nb\r\nc"}))).GetFolder(), "a b\r c");
    for (const std::string title : {"\rA\rB\r", "\r\r"})
        EXPECT_EQ(ReadBack(Written(Make({.title = title}))).GetTitle(), title);
}

TEST(SongRecord, KeepsAPathThatIsNotTheFullFileNameByteForByte)
{
    const std::string record = "SONG\r\nT\r\n\r\n\r\n\r\n\r\nf.mp3\r\n/music\r\nC:\\music\\f.mp3\r\nmp3\r\nEND SONG\r\n";
    EXPECT_EQ(Written(ReadBack(record)), record);
    // A path read as the full file name stays when folder or file name change later.
    Song moved = ReadBack(FullRecord);
    moved.SetFolder("/elsewhere");
    moved.SetFileName("g.mp3");
    EXPECT_EQ(moved.GetPath(), "/music/jazz/f.mp3");
    EXPECT_NE(Written(moved).find("\r\n/music/jazz/f.mp3\r\n"), std::string::npos);
}

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

TEST(ListFile, FramesTheRecordsWithHeaderCountAndEndLine)
{
    EXPECT_EQ(FileOf("Road Trip", {Titled("a"), Titled("b")}),
              Header("Road Trip", "2") + Record("a") + Record("b") + "END VTFILE\r\n");
    // A line break in the name would split the header.
    EXPECT_EQ(FileOf("one\ntwo\r"), Header("one two\r", "0") + "END VTFILE\r\n");
}

TEST(ListFile, ReadsTheRecordsThatAreWholeWhateverTheCountSays)
{
    const std::string ab = Record("a") + Record("b");
    std::string extraLine = Record("x");
    extraLine.insert(extraLine.find("END SONG"), "extra\r\n");
    std::string missingLine = Record("x");
    missingLine.erase(missingLine.find("Band\r\n"), 6);
    std::string bare = Header("L", "2") + ab;
    std::erase(bare, '\r');
    const std::pair<std::string, Strings> cases[] = {
        {Header("L", "5") + ab + "END VTFILE\r\n", {"a", "b"}}, {Header("L", "0") + Record("c") + ab, {"c", "a", "b"}},
        {Header("L", "-4") + ab, {"a", "b"}}, {Header("L", "x") + ab, {"a", "b"}}, {Header("L", " 7") + ab, {"a", "b"}},
        {Header("L", "99999999999999999999") + ab, {"a", "b"}}, {bare, {"a", "b"}},
        // A broken record is dropped and reading resumes after the lines it took.
        {Header("L", "4") + Record("x", "END SONG.") + Record("a") + Record("y", "end song") + Record("z", "END SONG ")
             + Record("b") + "SONG\r\nT\r\n\r\n\r\n\r\n\r\nf\r\nd\r\np\r\nmp3\r\n",
         {"a", "b"}},
        {Header("L", "2") + extraLine + ab, {"a", "b"}}, {Header("L", "3") + missingLine + Record("lost") + ab, {"a", "b"}},
        {Header("L", "1") + "\r\nEND SONG\r\nstray\r\n" + Record("a") + "END VTFILE\r\n" + Record("after"), {"a"}},
        {Header("L", "1") + Record("a") + "END VTFILE", {"a"}},
        // A last line without its line end is not looked at.
        {Header("L", "1") + Record("a") + "SONG", {"a"}},
        {"VTFILE\r\n-name-\r\nL\r\n-count-\r\n", {}}, {"VTFILE\r\n-name-\r\nL\r\n-count-", {}},
    };
    for (const auto& [text, titles] : cases) {
        const PlayList list = ReadList(text);
        EXPECT_EQ(Titles(list.songs), titles) << text;
        EXPECT_EQ(list.GetName() + list.GetFilePath() + list.GetExtension(), "L/lists/x.vtl.vtl");
    }
    // A damaged count must not make the reader claim room for songs the file cannot hold.
    EXPECT_LT(ReadList(Header("L", "2000000000") + ab).songs.capacity(), 100U);
}

TEST(ListFile, RefusesAnEmptyFileAndADamagedHeader)
{
    for (const char* empty : {"", "VTFILE"})
        EXPECT_THROW(ReadList(empty), VT::invalid_file) << empty;
    for (const char* damaged : {"VTFILE \r\n-name-\r\nL\r\n-count-\r\n0\r\n", "vtfile\r\n-name-\r\nL\r\n-count-\r\n0\r\n",
                                "\r\n", "VTFILE\r\n-Name-\r\nL\r\n-count-\r\n0\r\n", "VTFILE\r\n-name-\r\nL\r\ncount\r\n0\r\n",
                                "VTFILE\r\n-name-\r\n-count-\r\n0\r\n", "VTFILE\r\n", "VTFILE\r\n-name-",
                                "VTFILE\r\n-name-\r\nL\r\n"}) {
        PlayList list;
        Platform::LineReader input(damaged);
        EXPECT_THROW(list.Read(input, "/lists/x.vtl"), VT::bad_playlist) << damaged;
        EXPECT_TRUE(list.GetFilePath().empty());
    }
}

} // namespace
