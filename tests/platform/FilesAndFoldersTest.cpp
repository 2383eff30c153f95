#include "platform/FileTail.h"
#include "platform/FolderListing.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

namespace {

using Platform::TailStatus;

TEST(ListFolder, NamesFilesAndFoldersWithoutTheDotEntries)
{
    TestSupport::TempFolder folder;
    folder.Write("a.mp3", "x");
    folder.MakeFolder("Sub");
    auto names = Platform::ListFolder(folder.Path());
    ASSERT_TRUE(names);
    std::sort(names->begin(), names->end());
    EXPECT_EQ(*names, (std::vector<std::string>{"Sub", "a.mp3"}));
}

TEST(ListFolder, GivesNothingForAFolderThatCannotBeListed)
{
    TestSupport::TempFolder folder;
    EXPECT_FALSE(Platform::ListFolder(folder / "missing/"));
    folder.Write("file", "x");
    EXPECT_FALSE(Platform::ListFolder(folder / "file"));
}

TEST(ReadTail, ReadsTheLastBytes)
{
    TestSupport::TempFolder folder;
    folder.Write("f", "0123456789");
    char tail[4];
    ASSERT_EQ(Platform::ReadTail(folder / "f", tail, 4), TailStatus::Done);
    EXPECT_EQ(std::string(tail, 4), "6789");
    char whole[10];
    ASSERT_EQ(Platform::ReadTail(folder / "f", whole, 10), TailStatus::Done);
    EXPECT_EQ(std::string(whole, 10), "0123456789");
}

TEST(ReadTail, TellsAShortFileFromOneThatCannotBeOpened)
{
    TestSupport::TempFolder folder;
    folder.Write("short", "abc");
    char tail[4];
    EXPECT_EQ(Platform::ReadTail(folder / "short", tail, 4), TailStatus::TooShort);
    EXPECT_EQ(Platform::ReadTail(folder / "missing", tail, 4), TailStatus::CannotOpen);
    folder.MakeFolder("dir.mp3");
    EXPECT_EQ(Platform::ReadTail(folder / "dir.mp3", tail, 4), TailStatus::CannotOpen);
}

TEST(ReadTail, RefusesAPipeAtOnceInsteadOfWaitingForAWriter)
{
    TestSupport::TempFolder folder;
    ASSERT_EQ(mkfifo((folder / "pipe.mp3").c_str(), 0600), 0);
    char tail[4];
    EXPECT_EQ(Platform::ReadTail(folder / "pipe.mp3", tail, 4), TailStatus::CannotOpen);
    EXPECT_FALSE(Platform::IsRegularFile(folder / "pipe.mp3"));
}

TEST(WriteTail, OverwritesOnlyTheLastBytes)
{
    TestSupport::TempFolder folder;
    folder.Write("f", "0123456789");
    ASSERT_EQ(Platform::WriteTail(folder / "f", "abcd", 4), TailStatus::Done);
    EXPECT_EQ(folder.Read("f"), "012345abcd");
    EXPECT_EQ(Platform::WriteTail(folder / "f", "0123456789AB", 12), TailStatus::TooShort);
    EXPECT_EQ(folder.Read("f"), "012345abcd");
}

} // namespace
