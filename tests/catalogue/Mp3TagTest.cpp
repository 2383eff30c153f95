#include "catalogue/Exceptions.h"
#include "catalogue/GenreTable.h"
#include "catalogue/MP3Song.h"
#include "platform/TextLines.h"
#include "tests/support/Mp3Writer.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

using TestSupport::Id3v1;
using TestSupport::Mp3Bytes;
using TestSupport::TagBytes;
using TestSupport::TempFolder;
using namespace SongSamples;

const Id3v1 FullTag{"Title", "Artist", "Album", "1999", "Comment", 13};

Id3v1 TitledTag(std::string title) { return {std::move(title), "", "", "", "", 255}; }

// The five tag texts, the whereabouts and the genre number, compared in one go.
Strings StateOf(const VT::Song& song, std::int32_t genreNumber)
{
    Strings state = AllTexts(song);
    state.push_back(std::to_string(genreNumber));
    return state;
}

Strings StateOf(const VT::MP3Song& song) { return StateOf(song, song.GetGenreNumber()); }

VT::MP3Song ReadFile(const TempFolder& folder, const std::string& name, const std::string& bytes)
{
    VT::MP3Song song;
    song.ReadTag(folder.Write(name, bytes));
    return song;
}

// A song that already holds a previous file's tag, as a reused scan song does.
VT::MP3Song SongHoldingAnEarlierTag(const TempFolder& folder)
{
    return ReadFile(folder, "earlier.mp3", Mp3Bytes({"Old", "Old Artist", "Old Album", "1970", "", 26}));
}

TEST(ReadTag, TakesEachFieldAtItsOwnWidthAndAnUntitledSongAfterItsFile)
{
    TempFolder folder;
    const std::string odd = "a\nb\rc\x1A" "d";
    struct Case { std::string name, bytes; Strings texts; }; // title, artist, album, year, genre
    const Case cases[] = {
        {"tag.MP3", TagBytes(FullTag), {"Title", "Artist", "Album", "1999", "Pop"}},
        {"full.mp3", Mp3Bytes({std::string(30, 't'), std::string(30, 'a'), std::string(30, 'l'), "2001", "9999 x", 1}),
         {std::string(30, 't'), std::string(30, 'a'), std::string(30, 'l'), "2001", "Classic Rock"}},
        {"odd.mp3", Mp3Bytes({odd, "\r\n", "\x1A", "19\n9", "\n\r\x1A", 10}), {odd, "\r\n", "\x1A", "19\n9", "New Age"}},
        {"First Song.mp3", Mp3Bytes({"", "Artist", "", "", "", 200}), {"First Song", "Artist", "", "", ""}},
        {"song.MP3", Mp3Bytes(TitledTag(std::string(30, ' '))), {"song", "", "", "", ""}},
        {"x.mp3", Mp3Bytes(TitledTag(std::string("\0\0  \0", 5))), {"x", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        const Strings texts = StateOf(ReadFile(folder, c.name, c.bytes));
        EXPECT_EQ(Strings(texts.begin(), texts.begin() + 5), c.texts) << c.name;
    }
    const std::string folderName = folder.PathWithoutSeparator();
    EXPECT_EQ(StateOf(ReadFile(folder, "song.mp3", Mp3Bytes(FullTag))),
              (Strings{"Title", "Artist", "Album", "1999", "Pop", "song.mp3", folderName, folder / "song.mp3", "mp3", "13"}));
}

TEST(ReadTag, RefusesWhatIsNoReadableMp3FileWithoutChangingTheSong)
{
    TempFolder folder;
    auto song = SongHoldingAnEarlierTag(folder);
    const Strings before = StateOf(song);
    // Well-tagged files: only the extension test can refuse them.
    for (const char* name : {"a.Mp3", "a.mP3", "a.mp3 ", "a.mp4"})
        EXPECT_THROW(song.ReadTag(folder.Write(name, Mp3Bytes(FullTag))), VT::invalid_file) << name;
    for (const std::string& path : {std::string(), std::string("mp3"), std::string(".mp"), folder / "missing.mp3"})
        EXPECT_THROW(song.ReadTag(path), VT::invalid_file) << path;
    EXPECT_THROW(song.ReadTag(folder.Write("short.mp3", std::string(100, 'T'))), VT::bad_tag);
    EXPECT_THROW(song.ReadTag(folder.Write("almost.mp3", TagBytes(FullTag).substr(1))), VT::bad_tag);
    EXPECT_EQ(StateOf(song), before);
}

TEST(ReadTag, WithoutTheTagMarkTakesTheNewFileButKeepsTheTagTexts)
{
    TempFolder folder;
    auto song = SongHoldingAnEarlierTag(folder);
    std::string bytes = Mp3Bytes(FullTag);
    bytes[bytes.size() - 128 + 2] = 'B';
    const std::string path = folder.Write("untagged.mp3", bytes);
    EXPECT_THROW(song.ReadTag(path), VT::no_tag);
    const std::string folderName = folder.PathWithoutSeparator();
    EXPECT_EQ(StateOf(song),
              (Strings{"Old", "Old Artist", "Old Album", "1970", "Ambient", "untagged.mp3", folderName, path, "mp3", "26"}));
}

TEST(TagField, TrimDropsTrailingPaddingThenCutsAtTheFirstNul)
{
    using namespace std::string_literals;
    const std::pair<std::string, std::string> trimmed[] = {
        {"Song\0\0\0\0"s, "Song"}, {"Song    ", "Song"},     {"Song \0 \0"s, "Song"}, {"Song\0xyz"s, "Song"},
        {"Song  \0xyz"s, "Song  "}, {"  Song  ", "  Song"}, {"\0Song"s, ""},         {" \0 \0"s, ""},
        {"\tSong\t", "\tSong\t"},
    };
    for (const auto& [field, text] : trimmed)
        EXPECT_EQ(VT::TrimTagField(field), text) << field;
}

TEST(SetPathParts, SplitsAtTheLastSlashButNotTheFirstCharacterABackslashBeingPartOfAName)
{
    const std::pair<std::string, Strings> cases[] = {
        {"C:/Music/a.mp3", {"C:/Music", "a.mp3"}}, {"/music/AC\\DC.mp3", {"/music", "AC\\DC.mp3"}},
        {"a/b\\c.mp3", {"a", "b\\c.mp3"}}, {"a\\b/c.mp3", {"a\\b", "c.mp3"}}, {"a.mp3", {"", "a.mp3"}},
        {"/a.mp3", {"", "/a.mp3"}}, {"x/", {"x", ""}}, {"/", {"", "/"}}, {"", {"", ""}}};
    for (const auto& [path, parts] : cases) {
        VT::MP3Song song;
        song.SetPathParts(path);
        EXPECT_EQ((Strings{std::string(song.GetFolder()), std::string(song.GetFileName())}), parts) << path;
    }
}

TEST(WriteTag, WritesTheTagByteForByteOverTheOldOne)
{
    TempFolder folder;
    const std::string old = Mp3Bytes({"Old title", "Old artist", "Old album", "1970", "old comment", 26}, 500);
    auto song = ReadFile(folder, "w.mp3", old);
    song.Clear();
    song.SetTitle("New title");
    song.SetArtist(std::string(35, 'a'));
    song.SetYear("20011");
    song.SetGenre("Hard Rock");
    song.WriteTag();
    EXPECT_EQ(folder.Read("w.mp3"), old.substr(0, 500) + TagBytes({"New title", std::string(30, 'a'), "", "2001", "", 79}));

    // A genre byte the table has no name for is written back as it was read.
    song = ReadFile(folder, "u.mp3", Mp3Bytes({"T", "", "", "", "", 200}));
    song.WriteTag();
    EXPECT_EQ(folder.Read("u.mp3"), Mp3Bytes({"T", "", "", "", "", 200}));
}

TEST(WriteTag, RefusesToOverwriteWhatIsNoTag)
{
    TempFolder folder;
    const std::string audio = TestSupport::UntaggedMp3Bytes();
    VT::MP3Song song;
    EXPECT_THROW(song.ReadTag(folder.Write("audio.mp3", audio)), VT::no_tag);
    EXPECT_THROW(song.WriteTag(), VT::bad_tag);
    EXPECT_EQ(folder.Read("audio.mp3"), audio);

    song = ReadFile(folder, "gone.mp3", Mp3Bytes(FullTag));
    folder.Write("gone.mp3", std::string(100, 'x'));
    EXPECT_THROW(song.WriteTag(), VT::bad_tag);
    EXPECT_EQ(folder.Read("gone.mp3"), std::string(100, 'x'));
    std::remove((folder / "gone.mp3").c_str());
    EXPECT_THROW(song.WriteTag(), VT::invalid_file);
    EXPECT_FALSE(folder.Exists("gone.mp3"));
}

TEST(MP3Song, TakesTheGenreNumberFromTheGenreNameSetOrRead)
{
    VT::MP3Song song;
    song.SetGenre("pop");
    EXPECT_EQ(song.GetGenreNumber(), 255);
    std::string record;
    Make({.genre = "Ambient"}).Write(record);
    Platform::LineReader input(record);
    input.Next();
    song.ReadRecord(input);
    EXPECT_EQ(song.GetGenreNumber(), 26);
    song.SetGenre("Pop");
    EXPECT_EQ(song.GetGenreNumber(), 13);
}

TEST(MP3Song, CopiedIntoAListKeepsItsNineTextsAndReadsNoMoreTags)
{
    TempFolder folder;
    const auto song = ReadFile(folder, "copy.mp3", Mp3Bytes(FullTag));
    std::vector<VT::Song> list{song};
    VT::Song& held = list.front();
    held.ReadTag(folder.Write("other.mp3", Mp3Bytes(TitledTag("Other"))));
    EXPECT_EQ(StateOf(held, 13), StateOf(song));
}

TEST(GenreTable, NamesOnlyTheNumbersOfTheTableAndFindsANameOnlyWhenEveryByteMatches)
{
    for (std::int32_t number : {-1, 126, 255, 256})
        EXPECT_EQ(VT::GenreName(number), "") << number;
    for (const char* name : {"pop", "Pop ", "Po", ""})
        EXPECT_EQ(VT::GenreNumber(name), 255) << name;
    // A name that stood twice would send the later number back to the earlier one.
    for (std::int32_t number = 0; number < 126; ++number)
        EXPECT_EQ(VT::GenreNumber(VT::GenreName(number)), number) << VT::GenreName(number);
    EXPECT_EQ(VT::GenreName(125), "Dance Hall");
}

} // namespace
