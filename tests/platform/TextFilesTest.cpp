#include "platform/TextLines.h"
#include "platform/WholeFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace {

using Lines = std::vector<std::pair<std::string, bool>>;

Lines AllLines(std::string_view text)
{
    Platform::LineReader reader(text);
    Lines lines;
    while (auto line = reader.Next())
        lines.emplace_back(std::string(line->text), line->terminated);
    return lines;
}

TEST(LineReader, DropsOnlyTheCarriageReturnBeforeALineFeed)
{
    EXPECT_EQ(AllLines("a\r\nb\nc"), (Lines{{"a", true}, {"b", true}, {"c", false}}));
    EXPECT_EQ(AllLines("x\ry\r\r\n"), (Lines{{"x\ry\r", true}}));
    EXPECT_EQ(AllLines("\r\n\n"), (Lines{{"", true}, {"", true}}));
    EXPECT_TRUE(AllLines("").empty());
}

Lines FileLines(const std::string& path, std::size_t block)
{
    Platform::LineReader reader;
    EXPECT_TRUE(reader.OpenFile(path, block));
    Lines lines;
    while (auto line = reader.Next())
        lines.emplace_back(std::string(line->text), line->terminated);
    EXPECT_FALSE(reader.Failed());
    return lines;
}

TEST(LineReader, ReadsAFileInBlocksLikeTheWholeText)
{
    TestSupport::TempFolder folder;
    // Line ends split across blocks, a line longer than a block, a lone carriage return.
    const std::string text = "ab\r\ncdefghijklmnopqrstuvwxyz\r\n\r\nx\ry\n\nlast";
    folder.Write("f.txt", text);
    for (std::size_t block : {1U, 2U, 3U, 4U, 5U, 7U, 64U})
        EXPECT_EQ(FileLines(folder / "f.txt", block), AllLines(text)) << block;
    folder.Write("ends.txt", "one\r\n");
    EXPECT_EQ(FileLines(folder / "ends.txt", 4), (Lines{{"one", true}}));
    folder.Write("empty.txt", "");
    EXPECT_TRUE(FileLines(folder / "empty.txt", 4).empty());
}

TEST(LineReader, CountsTheBytesStillInTheFile)
{
    TestSupport::TempFolder folder;
    folder.Write("f.txt", "0123\n56789\n");
    Platform::LineReader reader;
    ASSERT_TRUE(reader.OpenFile(folder / "f.txt", 4));
    EXPECT_EQ(reader.Remaining(), 11U);
    reader.Next();
    EXPECT_EQ(reader.Remaining(), 6U);
    reader.Next();
    EXPECT_EQ(reader.Remaining(), 0U);
}

TEST(LineReader, OpensOnlyARegularFile)
{
    TestSupport::TempFolder folder;
    Platform::LineReader reader;
    EXPECT_FALSE(reader.OpenFile(folder / "missing.txt"));
    folder.MakeFolder("dir.vtl");
    EXPECT_FALSE(reader.OpenFile(folder / "dir.vtl"));
    ASSERT_EQ(mkfifo((folder / "pipe.vtl").c_str(), 0600), 0);
    EXPECT_FALSE(reader.OpenFile(folder / "pipe.vtl"));
    EXPECT_FALSE(reader.Next());
}

TEST(AppendLine, EndsEveryLineWithCarriageReturnAndLineFeed)
{
    std::string out;
    Platform::AppendLine(out, "one");
    Platform::AppendLine(out, "");
    EXPECT_EQ(out, "one\r\n\r\n");
}

TEST(ReplaceFile, WritesTheWholeContentAndLeavesNoTemporaryFile)
{
    TestSupport::TempFolder folder;
    folder.Write("list.vtl", "old content that is longer");
    ASSERT_TRUE(Platform::ReplaceFile(folder / "list.vtl", "new"));
    EXPECT_EQ(folder.Read("list.vtl"), "new");
    EXPECT_FALSE(folder.Exists("list.vtl.tmp"));
}

TEST(ReplaceFile, KeepsTheOldFileWhenTheNewOneCannotBeWritten)
{
    TestSupport::TempFolder folder;
    folder.Write("list.vtl", "old");
    // A folder in the temporary file's place makes the write fail before the rename.
    folder.MakeFolder("list.vtl.tmp");
    EXPECT_FALSE(Platform::ReplaceFile(folder / "list.vtl", "new"));
    EXPECT_EQ(folder.Read("list.vtl"), "old");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "list.vtl.tmp"));
}

TEST(ReplaceFile, RemovesItsTemporaryFileWhenTheRenameFails)
{
    TestSupport::TempFolder folder;
    folder.MakeFolder("list.vtl/inside");
    EXPECT_FALSE(Platform::ReplaceFile(folder / "list.vtl", "new"));
    EXPECT_FALSE(folder.Exists("list.vtl.tmp"));
    EXPECT_TRUE(folder.Exists("list.vtl/inside"));
}

TEST(ReplaceFile, FailsInAFolderThatDoesNotExist)
{
    TestSupport::TempFolder folder;
    EXPECT_FALSE(Platform::ReplaceFile(folder / "missing/list.vtl", "new"));
}

TEST(ReadWholeFile, ReadsBytesExactlyAndRefusesWhatIsNoRegularFile)
{
    TestSupport::TempFolder folder;
    const std::string bytes("a\0b\r\n\xFF", 6);
    folder.Write("f", bytes);
    EXPECT_EQ(Platform::ReadWholeFile(folder / "f"), bytes);
    folder.MakeFolder("d.vtl");
    EXPECT_FALSE(Platform::ReadWholeFile(folder / "d.vtl"));
    EXPECT_FALSE(Platform::ReadWholeFile(folder / "missing"));
}

TEST(DeleteFile, RemovesAFileAndReportsAMissingOne)
{
    TestSupport::TempFolder folder;
    folder.Write("f", "x");
    EXPECT_TRUE(Platform::DeleteFile(folder / "f"));
    EXPECT_FALSE(folder.Exists("f"));
    EXPECT_FALSE(Platform::DeleteFile(folder / "f"));
}

} // namespace
