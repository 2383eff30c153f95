#include "tests/framework/FrameworkTest.h"

#include "framework/TDirectoryListBox.h"
#include "framework/TFileListBox.h"
#include "framework/TProgressBar.h"
#include "tests/support/ListBoxRows.h"
#include "tests/support/TempFolder.h"

#include <unistd.h>
#include <sys/stat.h>

namespace {

using Strings = std::vector<std::string>;

using FileSystemLists = OnAForm;

TEST_F(FileSystemLists, ShowMatchingRegularFilesRegardlessOfCaseAndHideDotFiles)
{
    TestSupport::TempFolder folder;
    for (const char* name : {"b.mp3", "A.MP3", "c.Mp3x", ".hidden.mp3", "d.txt", "list.m3u", "\xE9t\xE9.mp3"})
        folder.Write(name, "bytes");
    folder.MakeFolder("x.mp3");
    ASSERT_EQ(mkfifo((folder / "pipe.mp3").c_str(), 0600), 0);
    struct Case { const char* mask; Strings rows; };
    const Case cases[] = {
        {"*.mp3*", {"A.MP3", "b.mp3", "c.Mp3x", "\xE9t\xE9.mp3"}},
        {"*.m3u", {"list.m3u"}},
        {"*.txt;*.M3U", {"d.txt", "list.m3u"}},
        {"*", {"A.MP3", "b.mp3", "c.Mp3x", "d.txt", "list.m3u", "\xE9t\xE9.mp3"}},
    };
    TFileListBox& files = Make<TFileListBox>(form);
    files.SetDirectory(folder.Path());
    for (const Case& c : cases) {
        files.SetMask(c.mask);
        EXPECT_EQ(Rows(files), c.rows) << c.mask;
    }
}

TEST_F(FileSystemLists, ListTheParentsTheFolderAndItsVisibleSubFoldersAndTieTheFileList)
{
    TestSupport::TempFolder folder;
    const std::string music = folder.MakeFolder("Music");
    for (const char* sub : {"Music/rock", "Music/Jazz", "Music/AC\\DC", "Music/.cache"})
        folder.MakeFolder(sub);
    folder.Write("Music/song.mp3", "bytes");
    TDirectoryListBox& folders = Make<TDirectoryListBox>(form);
    TFileListBox& files = Make<TFileListBox>(form);
    folders.SetFileList(&files);
    folders.SetDirectory(music);

    const std::string current = music.substr(0, music.size() - 1);
    const Strings paths = {current, current + "/AC\\DC", current + "/Jazz", current + "/rock"};
    ASSERT_EQ(Rows(folders).size(), folders.CurrentRow() + paths.size());
    EXPECT_EQ(Rows(folders).front(), "/");
    EXPECT_EQ(folders.GetItemPath(0), "/");
    EXPECT_EQ(folders.Directory(), current);
    for (std::size_t below = 0; below < paths.size(); ++below)
        EXPECT_EQ(folders.GetItemPath(folders.CurrentRow() + static_cast<int>(below)), paths[below]);
    EXPECT_EQ(folders.ItemIndex(), folders.CurrentRow());
    EXPECT_EQ(Rows(files), Strings{"song.mp3"});

    // A backslash is part of a folder's name: its row stands under its parent's, alone.
    folders.SetDirectory(current + "/AC\\DC");
    EXPECT_EQ(folders.GetItemPath(folders.CurrentRow() - 1), current);
    EXPECT_EQ(Rows(folders).back(), std::string(2 * static_cast<std::size_t>(folders.CurrentRow()), ' ') + "AC\\DC");

    folders.SetDirectory("/");
    EXPECT_EQ(folders.CurrentRow(), 0);
    EXPECT_EQ(folders.GetItemPath(1).rfind('/'), 0u);
    EXPECT_EQ(files.Directory(), "/");
}

TEST_F(FileSystemLists, KeepTheProgressBarsPositionBetweenMinAndMax)
{
    TProgressBar& bar = Make<TProgressBar>(form);
    struct Step { int max, by, position; };
    const Step steps[] = {{25, 1, 1}, {25, 21, 22}, {25, 10, 25}, {10, 0, 10}, {10, -20, 0}};
    for (const Step& step : steps) {
        bar.SetMax(step.max);
        bar.StepBy(step.by);
        EXPECT_EQ(bar.Position(), step.position) << step.max << " " << step.by;
    }
}

} // namespace
