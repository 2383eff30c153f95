#include "catalogue/Exceptions.h"
#include "catalogue/Song.h"
#include "platform/Separator.h"
#include "platform/TextLines.h"
#include "tests/support/SongSamples.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using SongSamples::Make;
using VT::Song;

const Song Full = Make({.title = "Title", .artist = "Artist", .album = "Album", .genre = "Jazz", .year = "1971",
                        .fileName = "f.mp3", .folder = "/music/jazz", .path = "/music/jazz/f.mp3", .type = "mp3"});

// The record in its order: title, artist, album, genre, year, file name, folder, path, type.
const std::string FullRecord = "SONG\r\nTitle\r\nArtist\r\nAlbum\r\nJazz\r\n1971\r\nf.mp3\r\n/music/jazz\r\n"
                               "/music/jazz/f.mp3\r\nmp3\r\nEND SONG\r\n";

// Reads a record whose "SONG" line has already been taken, as the list-file reader does.
Song ReadRecord(const std::string& text)
{
    Platform::LineReader input(text);
    Song song;
    song.Read(input);
    return song;
}

std::string AfterSongLine(const std::string& record) { return record.substr(std::string("SONG\r\n").size()); }

TEST(SongRecord, IsElevenLinesEachEndedByCarriageReturnAndLineFeed)
{
    std::string out = "before\r\n";
    Full.Write(out);
    EXPECT_EQ(out, "before\r\n" + FullRecord);
}

TEST(SongRecord, ReadsBackEveryTextIncludingEmptyOnes)
{
    const Song sparse = Make({.title = "Only a title", .path = "p"});
    for (const Song& song : {Full, sparse, Song()}) {
        std::string out;
        song.Write(out);
        EXPECT_TRUE(SongSamples::SameTexts(ReadRecord(AfterSongLine(out)), song)) << out;
    }
    std::string empty;
    Song().Write(empty);
    EXPECT_EQ(empty, "SONG\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nEND SONG\r\n");
}

TEST(SongRecord, ReadsBareLineFeedsLikeCarriageReturnAndLineFeed)
{
    std::string bare = AfterSongLine(FullRecord);
    std::erase(bare, '\r');
    EXPECT_TRUE(SongSamples::SameTexts(ReadRecord(bare), Full));
}

TEST(SongRecord, WritesALineBreakInsideAFieldAsABlank)
{
    Song broken = Full;
    broken.SetTitle("two\r\nlines");
    broken.SetFolder("a\nb\rc");
    std::string out;
    broken.Write(out);
    EXPECT_EQ(out, "SONG\r\ntwo  lines\r\nArtist\r\nAlbum\r\nJazz\r\n1971\r\nf.mp3\r\na b c\r\n"
                   "/music/jazz/f.mp3\r\nmp3\r\nEND SONG\r\n");
    const Song back = ReadRecord(AfterSongLine(out));
    EXPECT_EQ(back.GetTitle(), "two  lines");
    EXPECT_EQ(back.GetFolder(), "a b c");
}

TEST(SongRecord, WritesALineBreakAtAnyPlaceOfALongFieldAsABlank)
{
    const std::string plain = "abcdefghijklmnopqrstuvwx"; // three words of eight bytes
    for (std::size_t at = 0; at < plain.size(); ++at) {
        for (char lineBreak : {'\r', '\n'}) {
            std::string title = plain;
            title[at] = lineBreak;
            Song song;
            song.SetTitle(title);
            std::string out;
            song.Write(out);
            std::string expected = plain;
            expected[at] = ' ';
            EXPECT_EQ(out.substr(6, plain.size() + 2), expected + "\r\n") << at;
        }
    }
}

TEST(SongRecord, KeepsAPathThatIsNotTheFullFileNameByteForByte)
{
    const std::string record = "SONG\r\nT\r\n\r\n\r\n\r\n\r\nf.mp3\r\n/music\r\n"
                               "C:\\music\\f.mp3\r\nmp3\r\nEND SONG\r\n";
    const Song song = ReadRecord(AfterSongLine(record));
    EXPECT_EQ(song.GetPath(), "C:\\music\\f.mp3");
    std::string out;
    song.Write(out);
    EXPECT_EQ(out, record);
    EXPECT_EQ(out.size(), song.RecordSize());
}

TEST(SongRecord, APathReadAsTheFullFileNameStaysWhenFolderOrFileNameChange)
{
    Song song = ReadRecord(AfterSongLine(FullRecord));
    song.SetFolder("/elsewhere");
    song.SetFileName("g.mp3");
    EXPECT_EQ(song.GetPath(), "/music/jazz/f.mp3");
    std::string out;
    song.Write(out);
    EXPECT_NE(out.find("\r\n/music/jazz/f.mp3\r\n"), std::string::npos);
}

TEST(SongRecord, SizeIsTheNumberOfBytesWritten)
{
    Song withBreaks = Full;
    withBreaks.SetArtist("a\r\nb");
    for (const Song& song : {Full, Song(), withBreaks}) {
        std::string out = "x";
        song.Write(out);
        EXPECT_EQ(song.RecordSize(), out.size() - 1);
    }
}

TEST(SongRecord, RefusesAClosingLineThatIsNotExactlyEndSong)
{
    const std::string fields = "T\r\nA\r\nAl\r\nG\r\nY\r\nf\r\nd\r\np\r\nmp3\r\n";
    for (const char* closing : {"END SONG.\r\n", "end song\r\n", "END SONG \r\n", "\r\n", ""})
        EXPECT_THROW(ReadRecord(fields + closing), VT::bad_tag) << closing;
    EXPECT_NO_THROW(ReadRecord(fields + "END SONG"));
}

TEST(SongRecord, WithAnExtraLineFailsAndConsumesOnlyItsElevenLines)
{
    Platform::LineReader input("T\r\nA\r\nAl\r\nG\r\nY\r\nf\r\nd\r\np\r\nmp3\r\nextra\r\nEND SONG\r\nnext\r\n");
    Song song;
    EXPECT_THROW(song.Read(input), VT::bad_tag);
    EXPECT_EQ(input.Next()->text, "END SONG");
}

TEST(SongRecord, MissingAFieldTakesItsClosingLineAsTheTypeAndFailsOnTheNextLine)
{
    Platform::LineReader input("T\r\nA\r\nAl\r\nG\r\nY\r\nf\r\nd\r\np\r\nEND SONG\r\nSONG\r\nT2\r\n");
    Song song;
    EXPECT_THROW(song.Read(input), VT::bad_tag);
    EXPECT_EQ(song.GetType(), "END SONG");
    EXPECT_EQ(input.Next()->text, "T2");
}

TEST(SongRecord, EndingInsideTheRecordFails)
{
    EXPECT_THROW(ReadRecord("T\r\nA\r\n"), VT::bad_tag);
    EXPECT_THROW(ReadRecord(""), VT::bad_tag);
}

TEST(Song, StartsWithNineEmptyTexts)
{
    const Song song;
    EXPECT_TRUE(SongSamples::SameTexts(song, Make({})));
    EXPECT_TRUE(song.GetTitle().empty() && song.GetPath().empty() && song.GetType().empty());
}

TEST(Song, EqualityComparesTheFiveTagTextsOnly)
{
    Song elsewhere = Full;
    elsewhere.SetFileName("other.mp3");
    elsewhere.SetFolder("/elsewhere");
    EXPECT_TRUE(elsewhere == Full);
    EXPECT_FALSE(elsewhere.IsSameEntry(Full));
    EXPECT_TRUE(Song(Full).IsSameEntry(Full));

    using Setter = void (Song::*)(std::string);
    for (Setter set : {&Song::SetTitle, &Song::SetArtist, &Song::SetAlbum, &Song::SetYear, &Song::SetGenre}) {
        Song changed = Full;
        (changed.*set)("jazz");
        EXPECT_FALSE(changed == Full);
    }
    Song lowerTitle = Full;
    lowerTitle.SetTitle("title");
    EXPECT_FALSE(lowerTitle == Full);
}

TEST(Song, ClearEmptiesTheTagTextsAndKeepsTheFile)
{
    Song song = Full;
    song.Clear();
    EXPECT_TRUE(SongSamples::SameTexts(song, Make({.fileName = "f.mp3", .folder = "/music/jazz",
                                                   .path = "/music/jazz/f.mp3", .type = "mp3"})));
}

TEST(Song, FullFileNameJoinsFolderAndFileWithOneSeparator)
{
    const std::string sep(1, Platform::Separator);
    Song song;
    song.SetFolder("C:" + sep + "Music");
    song.SetFileName("a.mp3");
    EXPECT_EQ(song.GetFullFileName(), "C:" + sep + "Music" + sep + "a.mp3");
    song.SetFolder("");
    EXPECT_EQ(song.GetFullFileName(), sep + "a.mp3");
    song.SetFolder("ends" + sep);
    EXPECT_EQ(song.GetFullFileName(), "ends" + sep + sep + "a.mp3");
}

TEST(Song, FieldNumbersNameTitleArtistAlbumYearGenreAndFileName)
{
    const char* expected[] = {"Title", "Artist", "Album", "1971", "Jazz", "f.mp3"};
    for (std::uint8_t field = 0; field < 6; ++field)
        EXPECT_EQ(*Full.FieldText(field), expected[field]);
    EXPECT_EQ(Full.FieldText(6), nullptr);
    EXPECT_EQ(Full.FieldText(255), nullptr);
}

} // namespace
