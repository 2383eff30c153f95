#include "platform/FileTail.h"
#include "platform/TemporaryFiles.h"
#include "platform/TextLines.h"
#include "platform/WholeFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

using Platform::TailStatus;
using Lines = std::vector<std::pair<std::string, bool>>;
using Strings = std::vector<std::string>;
using TestSupport::TempFolder;

Lines AllLines(Platform::LineReader& reader)
{
    Lines lines;
    while (auto line = reader.Next())
        lines.emplace_back(std::string(line->text), line->terminated);
    return lines;
}

// The same lines taken `count` at a time wherever they lie whole in the buffer.
Lines LinesInGroups(Platform::LineReader& reader, std::size_t count)
{
    Lines lines;
    std::vector<std::string_view> group(count);
    for (;;) {
        if (reader.TakeLines(group)) {
            for (std::string_view line : group)
                lines.emplace_back(std::string(line), true);
        } else if (auto line = reader.Next()) {
            lines.emplace_back(std::string(line->text), line->terminated);
        } else {
            return lines;
        }
    }
}

Lines TextLines(std::string_view text)
{
    Platform::LineReader reader(text);
    return AllLines(reader);
}

TEST(LineReader, DropsOnlyTheCarriageReturnBeforeALineFeed)
{
    EXPECT_EQ(TextLines("a\r\nb\nc"), (Lines{{"a", true}, {"b", true}, {"c", false}}));
    EXPECT_EQ(TextLines("x\ry\r\r\n"), (Lines{{"x\ry\r", true}}));
    EXPECT_EQ(TextLines("\r\n\n"), (Lines{{"", true}, {"", true}}));
    EXPECT_TRUE(TextLines("").empty());
}

TEST(LineReader, ReadsAFileInBlocksLikeTheWholeTextAndCountsWhatIsLeft)
{
    TempFolder folder;
    // Line ends split across blocks, a line longer than a block, a lone carriage return.
    for (const std::string& text : Strings{"ab\r\ncdefghijklmnopqrstuvwxyz\r\n\r\nx\ry\n\nlast", "one\r\n", ""}) {
        folder.Write("f.txt", text);
        for (std::size_t block : {1U, 2U, 3U, 4U, 5U, 7U, 64U}) {
            Platform::LineReader reader;
            ASSERT_TRUE(reader.OpenFile(folder / "f.txt", block));
            EXPECT_EQ(reader.Remaining(), text.size());
            EXPECT_EQ(AllLines(reader), TextLines(text)) << block;
            EXPECT_EQ(reader.Remaining(), 0U);
            EXPECT_FALSE(reader.Failed());
            for (std::size_t group : {1U, 2U, 3U}) {
                Platform::LineReader grouped;
                ASSERT_TRUE(grouped.OpenFile(folder / "f.txt", block));
                EXPECT_EQ(LinesInGroups(grouped, group), TextLines(text)) << block << " " << group;
            }
        }
    }
}

// A line longer than the limit comes as an empty line marked overlong, never held whole.
TEST(LineReader, PassesOverALineTooLongToHoldAndReadsOn)
{
    const std::size_t longest = Platform::LineReader::LongestLine;
    const std::string text = "a\n" + std::string(longest, 'k') + "\n" + std::string(longest + 1, 'x') + "\r\nb\n"
                             + std::string(3 * longest, 'y');
    using Shape = std::tuple<std::size_t, bool, bool>; // length, overlong, terminated
    const std::vector<Shape> expected{{1, false, true}, {longest, false, true}, {0, true, true}, {1, false, true},
                                      {0, true, false}};
    TempFolder folder;
    folder.Write("f.txt", text);
    for (std::size_t block : {std::size_t{0}, std::size_t{4096}, Platform::LineReader::DefaultBlock}) {
        Platform::LineReader reader(text);
        ASSERT_TRUE(block == 0 || reader.OpenFile(folder / "f.txt", block));
        // Lines taken in one go are never too long.
        std::vector<std::string_view> three(3);
        EXPECT_FALSE(reader.TakeLines(three));
        std::vector<Shape> shapes;
        while (auto line = reader.Next())
            shapes.emplace_back(line->text.size(), line->overlong, line->terminated);
        EXPECT_EQ(shapes, expected) << block;
        EXPECT_EQ(reader.OverlongLines(), 2U) << block;
    }
}

TEST(ReadingFiles, TakesTheBytesOfARegularFileExactly)
{
    TempFolder folder;
    const std::string bytes("0\0\r\n456789", 10);
    folder.Write("f", bytes);
    EXPECT_EQ(Platform::ReadWholeFile(folder / "f"), bytes);
    char tail[10];
    for (std::size_t count : {4U, 10U}) {
        ASSERT_EQ(Platform::ReadTail(folder / "f", tail, count), TailStatus::Done);
        EXPECT_EQ(std::string(tail, count), bytes.substr(10 - count));
    }
    EXPECT_EQ(Platform::ReadTail(folder / "f", tail, 11), TailStatus::TooShort);
    ASSERT_EQ(Platform::WriteTail(folder / "f", "abcd", 4), TailStatus::Done);
    EXPECT_EQ(Platform::WriteTail(folder / "f", "0123456789AB", 12), TailStatus::TooShort);
    EXPECT_EQ(folder.Read("f"), bytes.substr(0, 6) + "abcd");
}

TEST(ReadingFiles, RefusesAtOnceWhatIsNoRegularFile)
{
    TempFolder folder;
    folder.MakeFolder("dir.mp3");
    // Opening a pipe for reading would wait for a writer that never comes.
    ASSERT_EQ(mkfifo((folder / "pipe.mp3").c_str(), 0600), 0);
    // Cut at its NUL, the name would reach the file standing beside it.
    const std::string cut = folder.Write("f.mp3", "0123456789") + std::string("\0x", 2);
    for (const std::string& name : {folder / "missing.mp3", folder / "dir.mp3", folder / "pipe.mp3", cut}) {
        char tail[4];
        EXPECT_EQ(Platform::ReadTail(name, tail, 4), TailStatus::CannotOpen) << name;
        EXPECT_EQ(Platform::WriteTail(name, "abcd", 4), TailStatus::CannotOpen) << name;
        EXPECT_FALSE(Platform::ReadWholeFile(name)) << name;
        Platform::LineReader reader;
        EXPECT_FALSE(reader.OpenFile(name)) << name;
    }
    EXPECT_EQ(folder.Read("f.mp3"), "0123456789");
}

// Entries named as a careless save would name its temporary file; none is ours to touch.
void WriteStrangers(const TempFolder& folder)
{
    folder.Write("list.vtl", "old");
    folder.Write("list.vtl.tmp", "someone else's");
    folder.MakeFolder("list.tmp");
}

// Content made in numbered pieces, as a list file is made record by record.
std::string Piece(int number) { return "piece " + std::to_string(number) + "\r\n"; }

bool ReplaceInPieces(const std::string& path, int pieces)
{
    return Platform::ReplaceFile(path, [pieces](Platform::LineWriter& output) {
        for (int number = 0; number < pieces; ++number) {
            output.Text() += Piece(number);
            output.Spill();
        }
    });
}

TEST(ReplaceFile, WritesTheWholeContentOrItsPiecesInOrderAndTouchesNoOtherEntry)
{
    TempFolder folder;
    WriteStrangers(folder);
    ASSERT_TRUE(Platform::ReplaceFile(folder / "list.vtl", "new"));
    EXPECT_EQ(folder.Read("list.vtl"), "new");
    const int pieces = 4 * static_cast<int>(Platform::LineWriter::Block) / 10 + 7;
    ASSERT_TRUE(ReplaceInPieces(folder / "list.vtl", pieces));
    std::string expected;
    for (int number = 0; number < pieces; ++number)
        expected += Piece(number);
    EXPECT_EQ(folder.Read("list.vtl"), expected);
    EXPECT_EQ(folder.Read("list.vtl.tmp"), "someone else's");
    EXPECT_EQ(folder.Entries(), (Strings{"list.tmp", "list.vtl", "list.vtl.tmp"}));
}

TEST(ReplaceFile, OnFailureKeepsTheOldFileAndRemovesOnlyItsOwnTemporaryFile)
{
    TempFolder folder;
    WriteStrangers(folder);
    folder.MakeFolder("full.vtl/inside");
    for (const std::string& name : Strings{"full.vtl", "missing/list.vtl", std::string("list.vtl\0x", 10)})
        EXPECT_FALSE(Platform::ReplaceFile(folder / name, "new")) << name;
    // A write that fails half-way, whole or after a block of pieces went out: no file may
    // grow past a block and a little.
    EXPECT_EXIT(
        {
            TestSupport::LimitFileSize(Platform::LineWriter::Block + 100, false);
            const std::string whole(2 * Platform::LineWriter::Block, 'x');
            const int pieces = 2 * static_cast<int>(Platform::LineWriter::Block) / 10;
            std::exit(Platform::ReplaceFile(folder / "list.vtl", whole) || ReplaceInPieces(folder / "list.vtl", pieces));
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(folder.Read("list.vtl"), "old");
    EXPECT_EQ(folder.Read("list.vtl.tmp"), "someone else's");
    EXPECT_EQ(folder.Entries(), (Strings{"full.vtl", "list.tmp", "list.vtl", "list.vtl.tmp"}));
}

// The bits the user set stay; a link stays a link, its file replaced in its own folder.
TEST(ReplaceFile, KeepsThePermissionsAndLinksTheUserSetAndReplacesNoFileNobodyMayWrite)
{
    TempFolder folder;
    folder.MakeFolder("elsewhere");
    ASSERT_EQ(symlink((folder / "elsewhere/target.vtl").c_str(), (folder / "link.vtl").c_str()), 0);
    struct Case { std::string file, savedAs; mode_t mode; bool replaced; };
    const Case cases[] = {{"private.vtl", "private.vtl", 0600, true}, {"shared.vtl", "shared.vtl", 0664, true},
                          {"readonly.vtl", "readonly.vtl", 0444, false},
                          {"elsewhere/target.vtl", "link.vtl", 0640, true}};
    for (const Case& c : cases) {
        folder.Write(c.file, "old");
        ASSERT_EQ(chmod((folder / c.file).c_str(), c.mode), 0);
        EXPECT_EQ(Platform::ReplaceFile(folder / c.savedAs, "new"), c.replaced) << c.file;
        EXPECT_EQ(folder.Read(c.file), c.replaced ? "new" : "old") << c.file;
        EXPECT_EQ(std::filesystem::status(folder / c.file).permissions(), std::filesystem::perms(c.mode)) << c.file;
    }
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.vtl"));
    EXPECT_EQ(folder.Entries(), (Strings{"elsewhere", "link.vtl", "private.vtl", "readonly.vtl", "shared.vtl"}));
    EXPECT_EQ(folder.Entries("elsewhere"), (Strings{"target.vtl"}));
}

TEST(ReplaceFile, WhatAKilledSaveLeavesIsNoListFile)
{
    TempFolder folder;
    folder.Write("list.vtl", "old");
    EXPECT_EXIT(
        {
            TestSupport::LimitFileSize(100, true);
            Platform::ReplaceFile(folder / "list.vtl", std::string(1000, 'x'));
        },
        testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(folder.Read("list.vtl"), "old");
    // The temporary file stays behind, under a name no loader takes and the next start removes.
    const Strings entries = folder.Entries();
    ASSERT_EQ(entries.size(), 2U);
    EXPECT_EQ(entries[1], "list.vtl");
    EXPECT_TRUE(Platform::IsTemporaryName(entries[0])) << entries[0];
}

} // namespace
