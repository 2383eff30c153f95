#include "platform/TextLines.h"
#include "platform/WholeFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

std::vector<std::pair<std::string, bool>> AllLines(std::string_view text)
{
    Platform::LineReader reader(text);
    std::vector<std::pair<std::string, bool>> lines;
    while (auto line = reader.Next())
        lines.emplace_back(std::string(line->text), line->terminated);
    return lines;
}

TEST(LineReader, DropsOnlyTheCarriageReturnBeforeALineFeed)
{
    using Lines = std::vector<std::pair<std::string, bool>>;
    EXPECT_EQ(AllLines("a\r\nb\nc"), (Lines{{"a", true}, {"b", true}, {"c", false}}));
    EXPECT_EQ(AllLines("x\ry\r\r\n"), (Lines{{"x\ry\r", true}}));
    EXPECT_EQ(AllLines("\r\n\n"), (Lines{{"", true}, {"", true}}));
    EXPECT_TRUE(AllLines("").empty());
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
