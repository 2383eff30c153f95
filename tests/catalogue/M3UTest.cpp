#include "catalogue/Exceptions.h"
#include "catalogue/MP3Song.h"
#include "catalogue/Manager.h"
#include "platform/Separator.h"
#include "platform/WholeFile.h"
#include "tests/support/Mp3Writer.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

using TestSupport::Mp3Bytes;
using TestSupport::TempFolder;
using TestSupport::UntaggedMp3Bytes;

std::string Tagged(const std::string& title)
{
    TestSupport::Id3v1 tag;
    tag.title = title;
    tag.artist = "Band";
    tag.year = "1999";
    return Mp3Bytes(tag);
}

VT::Song FileSong(const std::string& folder, const std::string& fileName)
{
    VT::Song song;
    song.SetTitle(fileName);
    song.SetFolder(folder);
    song.SetFileName(fileName);
    return song;
}

std::vector<std::string> Titles(const VT::PlayList& list)
{
    std::vector<std::string> titles;
    for (const VT::Song& song : list.songs)
        titles.push_back(song.GetTitle());
    return titles;
}

std::vector<std::string> AllTexts(const VT::Song& song)
{
    return {song.GetTitle(), song.GetArtist(), song.GetYear(), song.GetGenre(), song.GetAlbum(),
            song.GetFileName(), song.GetFolder(), song.GetPath(), song.GetType()};
}

struct M3UExport : ::testing::Test {
    TempFolder folder;
    VT::PlayListManager lists;
    VT::ListPtr twoSongs;

    M3UExport()
    {
        VT::PlayList list;
        list.songs = {FileSong("/music", "a.mp3"), FileSong("/music/more", "b.mp3")};
        twoSongs = lists.Add(list);
    }
};

TEST_F(M3UExport, WritesFullFileNamesOrFileNamesAloneEachEndedByCrLf)
{
    lists.ExportM3U(folder / "full.m3u", twoSongs, true);
    const std::string sep(1, Platform::Separator);
    EXPECT_EQ(folder.Read("full.m3u"), "/music" + sep + "a.mp3\r\n/music/more" + sep + "b.mp3\r\n");
    lists.ExportM3U(folder / "bare.m3u", twoSongs, false);
    EXPECT_EQ(folder.Read("bare.m3u"), "a.mp3\r\nb.mp3\r\n");
}

TEST_F(M3UExport, AnEmptyListGivesAnEmptyFile)
{
    lists.ExportM3U(folder / "empty.m3u", lists.Add(VT::PlayList()), true);
    EXPECT_EQ(folder.Read("empty.m3u"), "");
}

TEST_F(M3UExport, ReplacesALongerFileWhole)
{
    folder.Write("mix.m3u", std::string(5000, 'x') + "\r\n");
    lists.ExportM3U(folder / "mix.m3u", twoSongs, false);
    EXPECT_EQ(folder.Read("mix.m3u"), "a.mp3\r\nb.mp3\r\n");
}

TEST_F(M3UExport, AFileThatCannotBeWrittenThrowsAndKeepsWhatStoodThere)
{
    EXPECT_THROW(lists.ExportM3U(folder / "missing/mix.m3u", twoSongs, false), VT::invalid_file);
    EXPECT_FALSE(folder.Exists("missing"));

    folder.MakeFolder("dir.m3u");
    EXPECT_THROW(lists.ExportM3U(folder / "dir.m3u", twoSongs, false), VT::invalid_file);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.m3u"));

    // A folder where the new content is first written makes the write itself fail.
    folder.Write("old.m3u", "old\r\n");
    std::filesystem::create_directory(Platform::TemporaryFileFor(folder / "old.m3u"));
    EXPECT_THROW(lists.ExportM3U(folder / "old.m3u", twoSongs, false), VT::invalid_file);
    EXPECT_EQ(folder.Read("old.m3u"), "old\r\n");
}

TEST_F(M3UExport, WritesLineBreaksInsideNamesAsBlanks)
{
    VT::PlayList list;
    list.songs = {FileSong("/mu\nsic", "a\r\nb.mp3")};
    const VT::ListPtr odd = lists.Add(list);
    lists.ExportM3U(folder / "full.m3u", odd, true);
    EXPECT_EQ(folder.Read("full.m3u"), "/mu sic" + std::string(1, Platform::Separator) + "a  b.mp3\r\n");
    lists.ExportM3U(folder / "bare.m3u", odd, false);
    EXPECT_EQ(folder.Read("bare.m3u"), "a  b.mp3\r\n");
}

struct M3UImport : ::testing::Test {
    TempFolder folder;
    VT::PlayListManager lists;
    VT::SourceManager sources;
    VT::MP3Song reading;
    int count = -1;

    VT::ListPtr Import(const std::string& name) { return lists.ImportM3U(folder / name, folder.Path(), reading, sources, count); }

    template <typename Failure> void ExpectRefused(const std::string& name, int expectedCount)
    {
        EXPECT_THROW(Import(name), Failure) << name;
        EXPECT_EQ(count, expectedCount) << name;
        EXPECT_EQ(lists.Size(), 0u) << name;
    }
};

TEST_F(M3UImport, PassesOverHeaderInformationAndBlankLines)
{
    folder.Write("a.mp3", Tagged("A"));
    folder.Write("b.mp3", Tagged("B"));
    folder.Write("Mix.m3u", "#EXTM3U\r\n#EXTINF:61,Band - A\r\n" + (folder / "a.mp3") + "\r\n\r\n\r\n"
                            "#EXTINF:62,Band - B\r\nb.mp3\r\n");
    const VT::ListPtr mix = Import("Mix.m3u");
    EXPECT_EQ(count, 2);
    EXPECT_EQ(Titles(*mix), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(mix->GetName(), "Mix");
    EXPECT_EQ(mix->GetFilePath(), "");
}

TEST_F(M3UImport, TakesOnlyTheExtensionInSmallOrCapitalLetters)
{
    folder.Write("a.mp3", Tagged("A"));
    for (const char* name : {"Mix.M3u", "Mix.txt", "m3u"})
        folder.Write(name, "a.mp3\r\n");
    folder.MakeFolder("Dir.m3u");
    for (const char* name : {"Mix.M3u", "Mix.txt", "m3u", "Missing.m3u", "Dir.m3u"})
        ExpectRefused<VT::invalid_file>(name, -1);

    folder.Write("Mix.m3u", "a.mp3\r\n");
    folder.Write("Mix.M3U", "a.mp3\r\n");
    EXPECT_EQ(Import("Mix.m3u")->GetName(), "Mix");
    EXPECT_EQ(Import("Mix.M3U")->GetName(), "Mix");
}

TEST_F(M3UImport, ReadsTaggedFilesAndTitlesUntaggedOnesAfterTheirNames)
{
    folder.Write("a.mp3", Tagged("A"));
    folder.Write("Intro.mp3", UntaggedMp3Bytes());
    folder.Write("Mix.m3u", "a.mp3\r\nIntro.mp3\r\n");
    const VT::ListPtr mix = Import("Mix.m3u");
    ASSERT_EQ(mix->songs.size(), 2u);
    EXPECT_EQ(AllTexts(mix->songs[0]), (std::vector<std::string>{"A", "Band", "1999", "", "", "a.mp3",
                                                                 folder.Path().substr(0, folder.Path().size() - 1),
                                                                 folder / "a.mp3", "mp3"}));
    // The untagged song takes nothing over from the tagged one read before it.
    EXPECT_EQ(mix->songs[1].GetTitle(), "Intro");
    EXPECT_EQ(mix->songs[1].GetArtist() + mix->songs[1].GetYear(), "");
}

TEST_F(M3UImport, FindsALineThatNamesNoFileAmongTheSourcesByFileName)
{
    TempFolder music;
    music.Write("x.mp3", Tagged("X"));
    const VT::ListPtr source = sources.AddSource(music.Path(), reading, {});
    folder.Write("Mix.m3u", "x.mp3\r\nX.mp3\r\n");
    const VT::ListPtr mix = Import("Mix.m3u");
    EXPECT_EQ(count, 2);
    ASSERT_EQ(mix->songs.size(), 1u);
    EXPECT_EQ(AllTexts(mix->songs[0]), AllTexts(source->songs[0]));
}

TEST_F(M3UImport, PassesOverLinesFoundNowhereButCountsThem)
{
    folder.Write("a.mp3", Tagged("A"));
    folder.Write(".mp3", UntaggedMp3Bytes());
    folder.Write("short.mp3", "TAG");
    folder.MakeFolder("dir.mp3");
    ASSERT_EQ(mkfifo((folder / "pipe.mp3").c_str(), 0600), 0);
    folder.Write("Mix.m3u", "ghost.mp3\r\n.mp3\r\nshort.mp3\r\ndir.mp3\r\npipe.mp3\r\na.mp3\r\n");
    EXPECT_EQ(Titles(*Import("Mix.m3u")), std::vector<std::string>{"A"});
    EXPECT_EQ(count, 6);
}

TEST_F(M3UImport, NothingResolvedIsAnImportError)
{
    folder.Write("Ghosts.m3u", "ghost.mp3\r\n#EXTINF:1,x\r\nother.mp3\r\n");
    ExpectRefused<VT::import_error>("Ghosts.m3u", 2);
    folder.Write("Comments.m3u", "#EXTM3U\r\n\r\n#EXTINF:1,x\r\n");
    ExpectRefused<VT::import_error>("Comments.m3u", 0);
    folder.Write("Empty.m3u", "");
    ExpectRefused<VT::import_error>("Empty.m3u", 0);
}

TEST_F(M3UImport, KeepsALeadingBlankOfALine)
{
    folder.Write(" a.mp3", Tagged("Blank"));
    folder.Write("a.mp3", Tagged("Plain"));
    folder.Write("Mix.m3u", " a.mp3\r\n");
    EXPECT_EQ(Titles(*Import("Mix.m3u")), std::vector<std::string>{"Blank"});
}

TEST_F(M3UImport, ImportsALastLineWithoutALineBreak)
{
    folder.Write("a.mp3", Tagged("A"));
    folder.Write("b.mp3", Tagged("B"));
    folder.Write("Mix.m3u", "a.mp3\r\nb.mp3");
    EXPECT_EQ(Titles(*Import("Mix.m3u")), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(count, 2);
}

TEST(M3URoundTrip, AListExportedBareBesideItsSongsImportsBackWhole)
{
    TempFolder music;
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"})
        music.Write(name, Tagged(name));
    VT::Manager model;
    const VT::ListPtr source = model.AddSource(music.Path());
    VT::PlayList list;
    list.songs = source->songs;
    model.ExportM3U(music / "List.m3u", model.AddPlayList(list), false);

    VT::MP3Song reading;
    int count = 0;
    const VT::ListPtr imported = model.ImportM3U(music / "List.m3u", music.Path(), reading, count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(Titles(*imported), Titles(*source));
    EXPECT_EQ(imported->GetName(), "List");
    ASSERT_EQ(model.GetPlayLists().size(), 2u);
    model.Undo();
    EXPECT_EQ(model.GetPlayLists().size(), 1u);
}

TEST(M3URoundTrip, AFailedImportLeavesThePlayListsAndAddsNoUndoStep)
{
    TempFolder folder;
    folder.Write("Ghosts.m3u", "ghost.mp3\r\n");
    VT::Manager model;
    VT::MP3Song reading;
    int count = 0;
    EXPECT_THROW(model.ImportM3U(folder / "Ghosts.m3u", folder.Path(), reading, count), VT::import_error);
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(model.GetPlayLists().empty());
    EXPECT_EQ(model.History().Size(), 1u);
}

} // namespace
