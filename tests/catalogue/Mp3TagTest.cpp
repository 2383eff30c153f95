#include "catalogue/Exceptions.h"
#include "catalogue/MP3Song.h"
#include "platform/TextLines.h"
#include "tests/support/Mp3Writer.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <sys/stat.h>
#include <vector>

namespace {

using TestSupport::Id3v1;
using TestSupport::Mp3Bytes;
using TestSupport::TagBytes;
using TestSupport::TempFolder;

const Id3v1 FullTag{"Title", "Artist", "Album", "1999", "Comment", 13};

Id3v1 Titled(std::string title)
{
    Id3v1 tag;
    tag.title = std::move(title);
    return tag;
}

// The five tag texts, the whereabouts and the genre number, compared in one go.
struct SongState {
    std::vector<std::string> texts;
    std::int32_t genreNumber;
    bool operator==(const SongState&) const = default;
};

SongState StateOf(const VT::MP3Song& song)
{
    return {{song.GetTitle(), song.GetArtist(), song.GetAlbum(), song.GetYear(), song.GetGenre(),
             song.GetFileName(), song.GetFolder(), song.GetPath(), song.GetType()},
            song.GetGenreNumber()};
}

// A song that already holds a previous file's tag, as a reused scan song does.
VT::MP3Song SongHoldingAnEarlierTag(const TempFolder& folder)
{
    VT::MP3Song song;
    song.ReadTag(folder.Write("earlier.mp3", Mp3Bytes({"Old", "Old Artist", "Old Album", "1970", "", 26})));
    return song;
}

VT::MP3Song ReadFile(const TempFolder& folder, const std::string& name, const std::string& bytes)
{
    VT::MP3Song song;
    song.ReadTag(folder.Write(name, bytes));
    return song;
}

TEST(MP3Song, StartsAsAnMp3WithoutGenre)
{
    const VT::MP3Song song;
    EXPECT_EQ(StateOf(song), (SongState{{"", "", "", "", "", "", "", "", "mp3"}, 255}));
}

TEST(ReadTag, ReadsEveryFieldOfTheTag)
{
    TempFolder folder;
    const auto song = ReadFile(folder, "song.mp3", Mp3Bytes(FullTag));
    const std::string folderName = folder.Path().substr(0, folder.Path().size() - 1);
    EXPECT_EQ(StateOf(song), (SongState{{"Title", "Artist", "Album", "1999", "Pop", "song.mp3", folderName,
                                         folder / "song.mp3", "mp3"},
                                        13}));
}

TEST(ReadTag, ReadsTheLowerAndTheUpperCaseExtension)
{
    TempFolder folder;
    EXPECT_EQ(ReadFile(folder, "a.mp3", Mp3Bytes(FullTag)).GetTitle(), "Title");
    EXPECT_EQ(ReadFile(folder, "b.MP3", Mp3Bytes(FullTag)).GetTitle(), "Title");
}

TEST(ReadTag, RefusesAMixedCaseExtensionOrAShortPathWithoutChangingTheSong)
{
    TempFolder folder;
    auto song = SongHoldingAnEarlierTag(folder);
    const SongState before = StateOf(song);
    // Well-tagged files: only the extension test can refuse them.
    for (const char* name : {"a.Mp3", "a.mP3", "a.mp3 ", "a.mp4"})
        EXPECT_THROW(song.ReadTag(folder.Write(name, Mp3Bytes(FullTag))), VT::invalid_file) << name;
    for (const char* path : {"", "mp3", ".mp"})
        EXPECT_THROW(song.ReadTag(path), VT::invalid_file) << path;
    EXPECT_EQ(StateOf(song), before);
}

TEST(ReadTag, RefusesAMissingFolderOrPipeAtOnceWithoutChangingTheSong)
{
    TempFolder folder;
    auto song = SongHoldingAnEarlierTag(folder);
    const SongState before = StateOf(song);
    EXPECT_THROW(song.ReadTag(folder / "missing.mp3"), VT::invalid_file);
    folder.MakeFolder("dir.mp3");
    EXPECT_THROW(song.ReadTag(folder / "dir.mp3"), VT::invalid_file);
    // Opening a pipe for reading would wait for a writer that never comes.
    ASSERT_EQ(mkfifo((folder / "x.mp3").c_str(), 0600), 0);
    EXPECT_THROW(song.ReadTag(folder / "x.mp3"), VT::invalid_file);
    EXPECT_EQ(StateOf(song), before);
}

TEST(ReadTag, FailsOnAFileTooShortForATagWithoutChangingTheSong)
{
    TempFolder folder;
    auto song = SongHoldingAnEarlierTag(folder);
    const SongState before = StateOf(song);
    EXPECT_THROW(song.ReadTag(folder.Write("short.mp3", std::string(100, 'T'))), VT::bad_tag);
    EXPECT_THROW(song.ReadTag(folder.Write("almost.mp3", TagBytes(FullTag).substr(1))), VT::bad_tag);
    EXPECT_EQ(StateOf(song), before);
}

TEST(ReadTag, ReadsAFileThatIsExactlyTheTag)
{
    TempFolder folder;
    EXPECT_EQ(ReadFile(folder, "tag.mp3", TagBytes(FullTag)).GetArtist(), "Artist");
}

TEST(ReadTag, WithoutTheTagMarkTakesTheNewFileButKeepsTheTagTexts)
{
    TempFolder folder;
    auto song = SongHoldingAnEarlierTag(folder);
    std::string bytes = Mp3Bytes(FullTag);
    bytes[bytes.size() - 128 + 2] = 'B';
    const std::string path = folder.Write("untagged.mp3", bytes);
    EXPECT_THROW(song.ReadTag(path), VT::no_tag);
    const std::string folderName = folder.Path().substr(0, folder.Path().size() - 1);
    EXPECT_EQ(StateOf(song), (SongState{{"Old", "Old Artist", "Old Album", "1970", "Ambient", "untagged.mp3",
                                         folderName, path, "mp3"},
                                        26}));
}

TEST(ReadTag, NamesAnUntitledSongAfterItsFile)
{
    TempFolder folder;
    EXPECT_EQ(ReadFile(folder, "First Song.mp3", Mp3Bytes({"", "Artist", "", "", "", 255})).GetTitle(), "First Song");
    EXPECT_EQ(ReadFile(folder, "song.MP3", Mp3Bytes(Titled(std::string(30, ' ')))).GetTitle(), "song");
    EXPECT_EQ(ReadFile(folder, "x.mp3", Mp3Bytes(Titled(std::string("\0\0  \0", 5)))).GetTitle(), "x");
}

TEST(ReadTag, TakesEachFieldAtItsOwnWidth)
{
    TempFolder folder;
    const std::string title(30, 't');
    const std::string artist(30, 'a');
    const std::string album(30, 'l');
    const auto song = ReadFile(folder, "full.mp3", Mp3Bytes({title, artist, album, "2001", "9999 comment", 1}));
    EXPECT_EQ(song.GetTitle(), title);
    EXPECT_EQ(song.GetArtist(), artist);
    EXPECT_EQ(song.GetAlbum(), album);
    EXPECT_EQ(song.GetYear(), "2001");
    EXPECT_EQ(song.GetGenre(), "Classic Rock");
}

TEST(ReadTag, NamesTheGenreByteOnlyWhenTheTableHasIt)
{
    TempFolder folder;
    struct Case {
        std::uint8_t byte;
        const char* name;
    };
    for (const Case c : {Case{0, "Blues"}, Case{13, "Pop"}, Case{26, "Ambient"}, Case{125, "Dance Hall"},
                         Case{126, ""}, Case{200, ""}, Case{255, ""}}) {
        const auto song = ReadFile(folder, "g.mp3", Mp3Bytes({"T", "", "", "", "", c.byte}));
        EXPECT_EQ(song.GetGenre(), c.name) << int(c.byte);
        EXPECT_EQ(song.GetGenreNumber(), c.byte);
    }
}

TEST(ReadTag, TakesLineEndAndEndOfFileBytesAsTheyAre)
{
    TempFolder folder;
    const std::string odd = "a\nb\rc\x1A" "d";
    const auto song = ReadFile(folder, "odd.mp3", Mp3Bytes({odd, "\r\n", "\x1A", "19\n9", "\n\r\x1A", 10}));
    EXPECT_EQ(song.GetTitle(), odd);
    EXPECT_EQ(song.GetArtist(), "\r\n");
    EXPECT_EQ(song.GetAlbum(), "\x1A");
    EXPECT_EQ(song.GetYear(), "19\n9");
    EXPECT_EQ(song.GetGenre(), "New Age");
}

TEST(TrimTagField, DropsTrailingPaddingAndCutsAtTheFirstNul)
{
    using namespace std::string_literals;
    EXPECT_EQ(VT::TrimTagField("Song\0\0\0\0"s), "Song");
    EXPECT_EQ(VT::TrimTagField("Song    "), "Song");
    EXPECT_EQ(VT::TrimTagField("Song \0 \0"s), "Song");
    EXPECT_EQ(VT::TrimTagField("Song\0xyz"s), "Song");
    EXPECT_EQ(VT::TrimTagField("Song  \0xyz"s), "Song  ");
    EXPECT_EQ(VT::TrimTagField("  Song  "), "  Song");
    EXPECT_EQ(VT::TrimTagField("\0Song"s), "");
    EXPECT_EQ(VT::TrimTagField(std::string(30, ' ')), "");
    EXPECT_EQ(VT::TrimTagField(" \0 \0"s), "");
    EXPECT_EQ(VT::TrimTagField("\tSong\t"), "\tSong\t");
}

TEST(PadTagField, CutsAtTheWidthAndFillsWithNuls)
{
    using namespace std::string_literals;
    EXPECT_EQ(VT::PadTagField("ab", 4), "ab\0\0"s);
    EXPECT_EQ(VT::PadTagField("abcd", 4), "abcd");
    EXPECT_EQ(VT::PadTagField("abcdef", 4), "abcd");
    EXPECT_EQ(VT::PadTagField("", 3), "\0\0\0"s);
}

TEST(SetPathParts, SplitsAtTheLastSeparatorOfEitherKind)
{
    struct Case {
        const char* path;
        const char* folder;
        const char* name;
    };
    for (const Case c : {Case{"C:/Music/a.mp3", "C:/Music", "a.mp3"}, Case{"C:\\Music\\a.mp3", "C:\\Music", "a.mp3"},
                         Case{"a/b\\c.mp3", "a/b", "c.mp3"}, Case{"a\\b/c.mp3", "a\\b", "c.mp3"},
                         Case{"a.mp3", "", "a.mp3"}, Case{"/a.mp3", "", "/a.mp3"}, Case{"x/", "x", ""},
                         Case{"/", "", "/"}, Case{"", "", ""}}) {
        VT::MP3Song song;
        song.SetPathParts(c.path);
        EXPECT_EQ(song.GetFolder(), c.folder) << c.path;
        EXPECT_EQ(song.GetFileName(), c.name) << c.path;
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
    const std::string written = folder.Read("w.mp3");
    ASSERT_EQ(written.size(), old.size());
    EXPECT_EQ(written.substr(0, 500), old.substr(0, 500));
    EXPECT_EQ(written.substr(500), TagBytes({"New title", std::string(30, 'a'), "", "2001", "", 79}));
}

TEST(WriteTag, WritesTheLowByteOfAnUnnamedGenre)
{
    TempFolder folder;
    auto song = ReadFile(folder, "u.mp3", Mp3Bytes({"T", "", "", "", "", 200}));
    song.WriteTag();
    EXPECT_EQ(folder.Read("u.mp3"), Mp3Bytes({"T", "", "", "", "", 200}));
    song.SetGenre("no such genre");
    song.WriteTag();
    EXPECT_EQ(folder.Read("u.mp3"), Mp3Bytes({"T", "", "", "", "", 255}));
}

TEST(WriteTag, RefusesToOverwriteAudioWhereThereIsNoTag)
{
    TempFolder folder;
    const std::string audio = TestSupport::UntaggedMp3Bytes();
    VT::MP3Song song;
    EXPECT_THROW(song.ReadTag(folder.Write("audio.mp3", audio)), VT::no_tag);
    song.SetTitle("Title");
    EXPECT_THROW(song.WriteTag(), VT::bad_tag);
    EXPECT_EQ(folder.Read("audio.mp3"), audio);
}

TEST(WriteTag, FailsWhenTheFileIsGoneOrShrunk)
{
    TempFolder folder;
    auto song = ReadFile(folder, "gone.mp3", Mp3Bytes(FullTag));
    folder.Write("gone.mp3", std::string(100, 'x'));
    EXPECT_THROW(song.WriteTag(), VT::bad_tag);
    EXPECT_EQ(folder.Read("gone.mp3"), std::string(100, 'x'));
    std::remove((folder / "gone.mp3").c_str());
    EXPECT_THROW(song.WriteTag(), VT::invalid_file);
    EXPECT_FALSE(folder.Exists("gone.mp3"));
    EXPECT_THROW(VT::MP3Song().WriteTag(), VT::invalid_file);
}

TEST(MP3Song, SetGenreSetsTheNumberFromTheName)
{
    VT::MP3Song song;
    song.SetGenre("Pop");
    EXPECT_EQ(song.GetGenre(), "Pop");
    EXPECT_EQ(song.GetGenreNumber(), 13);
    song.SetGenre("pop");
    EXPECT_EQ(song.GetGenre(), "pop");
    EXPECT_EQ(song.GetGenreNumber(), 255);
    song.SetGenre("");
    EXPECT_EQ(song.GetGenreNumber(), 255);
}

TEST(MP3Song, ClearKeepsTheGenreNumberAndTheWhereabouts)
{
    TempFolder folder;
    auto song = ReadFile(folder, "c.mp3", Mp3Bytes(FullTag));
    song.Clear();
    EXPECT_EQ(StateOf(song), (SongState{{"", "", "", "", "", "c.mp3", song.GetFolder(), folder / "c.mp3", "mp3"}, 13}));
}

// A song record that names the genre, as a list file holds it, read back into `read`.
void ReadRecordNaming(const std::string& genre, VT::MP3Song& read)
{
    VT::Song written;
    written.SetTitle("T");
    written.SetGenre(genre);
    std::string record;
    written.Write(record);
    Platform::LineReader input(record);
    ASSERT_EQ(input.Next()->text, "SONG");
    read.ReadRecord(input);
}

TEST(MP3Song, ReadRecordSetsTheGenreNumberFromTheName)
{
    VT::MP3Song read;
    ReadRecordNaming("Ambient", read);
    EXPECT_EQ(read.GetTitle(), "T");
    EXPECT_EQ(read.GetGenre(), "Ambient");
    EXPECT_EQ(read.GetGenreNumber(), 26);
    ReadRecordNaming("Nordic Polka", read);
    EXPECT_EQ(read.GetGenre(), "Nordic Polka");
    EXPECT_EQ(read.GetGenreNumber(), 255);
}

TEST(MP3Song, CopiedIntoAListKeepsItsNineTextsAndReadsNoMoreTags)
{
    TempFolder folder;
    const auto song = ReadFile(folder, "copy.mp3", Mp3Bytes(FullTag));
    std::vector<VT::Song> list;
    list.push_back(song);
    const VT::Song& held = list.front();
    const std::vector<std::string> texts{held.GetTitle(), held.GetArtist(), held.GetAlbum(),
                                         held.GetYear(), held.GetGenre(), held.GetFileName(),
                                         held.GetFolder(), held.GetPath(), held.GetType()};
    EXPECT_EQ(texts, StateOf(song).texts);

    list.front().ReadTag(folder.Write("other.mp3", Mp3Bytes(Titled("Other"))));
    EXPECT_EQ(list.front().GetTitle(), "Title");
    EXPECT_EQ(list.front().GetPath(), folder / "copy.mp3");
}

} // namespace
