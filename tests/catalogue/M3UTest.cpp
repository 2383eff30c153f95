#include "catalogue/Exceptions.h"
#include "catalogue/MP3Song.h"
#include "catalogue/Manager.h"
#include "platform/Separator.h"
#include "tests/support/Mp3Writer.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace SongSamples;
using TestSupport::TempFolder;
using TestSupport::UntaggedMp3Bytes;

VT::Song FileSong(const std::string& folder, const std::string& fileName)
{
    return Make({.title = fileName, .fileName = fileName, .folder = folder});
}

TEST(M3UExport, WritesFullFileNamesOrFileNamesAloneEachEndedByCrLf)
{
    const std::string sep(1, Platform::Separator);
    struct Case { std::vector<VT::Song> songs; bool full; std::string written; };
    const std::vector<VT::Song> two = {FileSong("/music", "a.mp3"), FileSong("/music/more", "b.mp3")};
    const std::vector<VT::Song> odd = {FileSong("/mu\nsic", "a\r\nb.mp3")};
    const Case cases[] = {{two, true, "/music" + sep + "a.mp3\r\n/music/more" + sep + "b.mp3\r\n"},
                          {two, false, "a.mp3\r\nb.mp3\r\n"}, {odd, true, "/mu sic" + sep + "a  b.mp3\r\n"},
                          {odd, false, "a  b.mp3\r\n"}, {{}, true, ""}};
    TempFolder folder;
    VT::PlayListManager lists;
    for (const Case& c : cases) {
        folder.Write("mix.m3u", std::string(5000, 'x') + "\r\n");
        lists.ExportM3U(folder / "mix.m3u", lists.Add(ListOf("Mix", c.songs)), c.full);
        EXPECT_EQ(folder.Read("mix.m3u"), c.written);
    }
}

TEST(M3UExport, ThrowsWhenTheFileCannotBeWritten)
{
    TempFolder folder;
    folder.MakeFolder("dir.m3u");
    VT::PlayListManager lists;
    const VT::ListPtr list = lists.Add(ListOf("Mix", {FileSong("/music", "a.mp3")}));
    for (const char* name : {"missing/mix.m3u", "dir.m3u"})
        EXPECT_THROW(lists.ExportM3U(folder / name, list, false), VT::invalid_file) << name;
    EXPECT_EQ(folder.Entries(), Strings{"dir.m3u"});
}

struct M3UImport : ::testing::Test {
    TempFolder folder;
    TempFolder music;
    VT::PlayListManager lists;
    VT::SourceManager sources;
    VT::MP3Song reading;
    int count = -1;

    M3UImport()
    {
        folder.Write("a.mp3", Tagged("A"));
        folder.Write("b.mp3", Tagged("B"));
        folder.Write(" a.mp3", Tagged("Blank"));
        folder.Write("Intro.mp3", UntaggedMp3Bytes());
        folder.Write(".mp3", UntaggedMp3Bytes());
        folder.Write("short.mp3", "TAG");
        music.Write("x.mp3", Tagged("X"));
        sources.AddSource(music.Path(), reading, {});
        sources.Add(ListOf("later", {Titled("Y", "y.mp3"), Titled("Y again", "y.mp3"), Titled("X again", "x.mp3")}));
    }

    VT::ListPtr Import(const std::string& name)
    {
        return lists.ImportM3U(folder / name, folder.Path(), reading, sources, count);
    }
    // The list imported from "Mix.m3u" holding these bytes.
    VT::ListPtr ImportMix(const std::string& bytes)
    {
        folder.Write("Mix.m3u", bytes);
        return Import("Mix.m3u");
    }
};

TEST_F(M3UImport, ResolvesEachSongLineOrPassesItOverAndCountsIt)
{
    struct Case { std::string bytes; Strings titles; int count; };
    const Case cases[] = {
        {"#EXTM3U\r\n#EXTINF:61,Band - A\r\n" + (folder / "a.mp3") + "\r\n\r\n\r\n#EXTINF:62,x\r\nb.mp3", {"A", "B"}, 2},
        {"ghost.mp3\r\n.mp3\r\nshort.mp3\r\n a.mp3\r\n", {"Blank"}, 4},
        // A line holding a NUL byte is no name of the file named by the bytes before it.
        {std::string("a.mp3\0.mp3\r\nb.mp3\r\n", 19), {"B"}, 2},
        // A line naming no file may name a song of the sources, letter case counting: the
        // first in source order and song order.
        {"x.mp3\r\nX.mp3\r\ny.mp3\r\n", {"X", "Y"}, 3},
        {"ghost.mp3\r\n#EXTINF:1,x\r\nother.mp3\r\n", {}, 2},
        {"#EXTM3U\r\n\r\n#EXTINF:1,x\r\n", {}, 0},
        {"", {}, 0},
    };
    for (const Case& c : cases) {
        if (c.titles.empty())
            EXPECT_THROW(ImportMix(c.bytes), VT::import_error) << c.bytes;
        else
            EXPECT_EQ(Titles(*ImportMix(c.bytes)), c.titles) << c.bytes;
        EXPECT_EQ(count, c.count) << c.bytes;
    }
}

TEST_F(M3UImport, TakesEveryTextFromTheTagOrTheFileNameOrTheSourceSong)
{
    const VT::ListPtr mix = ImportMix("a.mp3\r\nIntro.mp3\r\nx.mp3\r\n");
    ASSERT_EQ(mix->songs.size(), 3u);
    const std::string inFolder = folder.PathWithoutSeparator();
    EXPECT_EQ(AllTexts(mix->songs[0]), (Strings{"A", "Band", "", "1999", "", "a.mp3", inFolder, folder / "a.mp3", "mp3"}));
    // The untagged song takes nothing over from the tagged one read before it.
    EXPECT_EQ(AllTexts(mix->songs[1]), (Strings{"Intro", "", "", "", "", "Intro.mp3", inFolder, folder / "Intro.mp3", "mp3"}));
    EXPECT_EQ(AllTexts(mix->songs[2]), AllTexts(sources.Begin()->songs.at(0)));
}

TEST_F(M3UImport, TakesOnlyTheExtensionInSmallOrCapitalLettersAndNamesTheListAfterTheFile)
{
    for (const char* name : {"Mix.M3u", "Mix.txt", "m3u", "Mix.m3u", "Mix.M3U"})
        folder.Write(name, "a.mp3\r\n");
    folder.MakeFolder("Dir.m3u");
    for (const char* name : {"Mix.M3u", "Mix.txt", "m3u", "Missing.m3u", "Dir.m3u"})
        EXPECT_THROW(Import(name), VT::invalid_file) << name;
    EXPECT_EQ(count, -1);
    EXPECT_EQ(lists.Size(), 0U);
    EXPECT_EQ(Import("Mix.m3u")->GetName(), "Mix");
    EXPECT_EQ(Import("Mix.M3U")->GetName() + Import("Mix.M3U")->GetFilePath(), "Mix");
}

TEST(M3URoundTrip, AListExportedBareBesideItsSongsImportsBackWholeAsOneStep)
{
    TempFolder music;
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"})
        music.Write(name, Tagged(name));
    VT::Manager model;
    const VT::ListPtr source = model.AddSource(music.Path());
    model.ExportM3U(music / "List.m3u", model.AddPlayList(ListOf("Mix", source->songs)), false);
    VT::MP3Song reading;
    int count = 0;
    const VT::ListPtr imported = model.ImportM3U(music / "List.m3u", music.Path(), reading, count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(Titles(*imported), Titles(*source));
    EXPECT_EQ(imported->GetName(), "List");
    model.Undo();
    EXPECT_EQ(model.GetPlayLists().size(), 1u);
}

} // namespace
