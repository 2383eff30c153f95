#include "tests/mainform/AppFormFixture.h"

#include "platform/WholeFile.h"

namespace {

using SongSamples::Tagged;
using TestSupport::UntaggedMp3Bytes;

class ShellDrop : public ListFormFixture {
protected:
    void Drop(const Strings& files) { Form().OnFilesDropped(files); }
    // A path far longer than the 259 characters a fixed name buffer would hold.
    std::string DeepFile(const std::string& bytes) const
    {
        const std::string path = Folder().MakeFolder(std::string(200, 'd')) + std::string(200, 'n') + ".mp3";
        Platform::ReplaceFile(path, bytes);
        return path;
    }
};

// Which files the tag reader refuses is its own rule, checked with it; here what the drop
// adds: only the first file, the extension in any case, a title from the name of a tagless file.
TEST_F(ShellDrop, TakesOnlyTheFirstFileAndOnlyWhenItIsAReadableSongDroppedOnAPlayList)
{
    struct Case { Strings files; Strings added; };
    const Case cases[] = {
        {{Folder().Write("a.mp3", Tagged("A")), Folder().Write("b.mp3", Tagged("B"))}, {"A"}},
        {{Folder().Write("x.txt", Tagged("X")), Folder().Write("c.mp3", Tagged("C"))}, {}},
        {{Folder().Write("UP.MP3", Tagged("Up"))}, {"Up"}},
        {{Folder().Write("song.mp3.txt", Tagged("Renamed"))}, {}},
        {{Folder().Write("bare song.mp3", UntaggedMp3Bytes())}, {"bare song"}},
        {{Folder().Write(".mp3", UntaggedMp3Bytes())}, {}},
        {{Folder().Write("short.mp3", "TAG")}, {}},
        {{DeepFile(Tagged("Deep"))}, {"Deep"}},
        {{}, {}},
    };
    int name = 0;
    for (const Case& c : cases) {
        const VT::ListPtr list = ShowPlayList(ListOf(std::to_string(name++), {}));
        Drop(c.files);
        const std::string first = c.files.empty() ? "" : c.files[0];
        EXPECT_EQ(Titles(*list), c.added) << first;
        EXPECT_EQ(Column(1), c.added.empty() ? Strings{"(No Songs)"} : c.added) << first;
    }
    // Nothing goes anywhere while a source is shown.
    const std::size_t states = Form().Model.History().Size();
    ShowSource(ListOf("Music", {}));
    Drop(cases[0].files);
    EXPECT_EQ(Form().Model.History().Size(), states);
}

TEST_F(ShellDrop, AddsATaglessSongWithOnlyItsTitleAndFileAsOneStepThatUndoTakesBack)
{
    const VT::ListPtr list = ShowPlayList(ListOf("Mix", {}));
    const std::string path = Folder().Write("bare.mp3", UntaggedMp3Bytes());
    Drop({path});
    ASSERT_EQ(list->songs.size(), 1U);
    EXPECT_TRUE(SongSamples::SameTexts(list->songs[0], Make({.title = "bare", .fileName = "bare.mp3",
                                                              .folder = Folder().PathWithoutSeparator(),
                                                              .path = path, .type = "mp3"})));
    Form().Undo();
    EXPECT_EQ(Titles(*Form().PlayListInfos[0].Handle), Strings{});
}

} // namespace
