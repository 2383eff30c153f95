#include "platform/FileCopy.h"
#include "platform/FolderLock.h"
#include "platform/Folders.h"
#include "platform/TemporaryFiles.h"
#include "platform/WholeFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <sys/stat.h>

namespace {

using Strings = std::vector<std::string>;
using TestSupport::TempFolder;
using State = Platform::FolderLock::State;

// Larger than a block of the plain copy, of an odd length, every byte value present; and a
// file of /proc, which the kernel cannot send, so it is read and written by blocks.
TEST(CopyToNewFile, CopiesEveryByteIntoTheFileItCreates)
{
    TempFolder folder;
    std::string bytes(3 * 65536 + 7, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 31 % 256);
    const std::string source = folder.Write("song.mp3", bytes);
    ASSERT_TRUE(Platform::CopyToNewFile(source, folder / "copy.mp3"));
    EXPECT_EQ(folder.Read("copy.mp3"), bytes);
    ASSERT_TRUE(Platform::CopyToNewFile("/proc/self/cmdline", folder / "cmdline"));
    EXPECT_EQ(folder.Read("cmdline"), Platform::ReadWholeFile("/proc/self/cmdline"));
}

// A taken destination keeps its bytes, the source's own file included; a source that
// cannot be read, or whose reading fails (/proc/self/mem at address 0), leaves nothing.
TEST(CopyToNewFile, NeitherWritesIntoAFileThatStandsThereNorLeavesAPartialCopy)
{
    TempFolder folder;
    const std::string song = folder.Write("song.mp3", "song");
    const std::string taken = folder.Write("taken.mp3", "stranger");
    folder.MakeFolder("dir.mp3");
    ASSERT_EQ(mkfifo((folder / "pipe.mp3").c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {song, taken},
        {song, song},
        {folder / "missing.mp3", folder / "copy.mp3"},
        {folder / "dir.mp3", folder / "copy.mp3"},
        {folder / "pipe.mp3", folder / "copy.mp3"},
        {"/proc/self/mem", folder / "copy.mp3"},
    };
    for (const auto& [source, destination] : cases)
        EXPECT_FALSE(Platform::CopyToNewFile(source, destination)) << source << " " << destination;
    EXPECT_EQ(folder.Read("song.mp3"), "song");
    EXPECT_EQ(folder.Read("taken.mp3"), "stranger");
    EXPECT_EQ(folder.Entries(), (Strings{"dir.mp3", "pipe.mp3", "song.mp3", "taken.mp3"}));
}

// Writes that fail half-way (no file may grow past 100 bytes) leave no file behind.
TEST(WritingNewFiles, AShortWriteLeavesNothing)
{
    TempFolder folder;
    const std::string song = folder.Write("song.mp3", std::string(1000, 'x'));
    EXPECT_EXIT(
        {
            TestSupport::LimitFileSize(100, false);
            const bool copied = Platform::CopyToNewFile(song, folder / "copy.mp3");
            const bool written = Platform::WriteNewFile(folder / "list.m3u", std::string(1000, 'x'));
            std::exit(copied || written ? 1 : 0);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(folder.Entries(), Strings{"song.mp3"});
}

// A file in the way is neither taken for a folder nor removed as one.
TEST(Folders, TakeNoFileForAFolderAndRemoveOnlyAnEmptyOne)
{
    TempFolder folder;
    folder.Write("file", "bytes");
    folder.MakeFolder("full/inside");
    EXPECT_EQ(Platform::MakeFolder(folder / "file"), Platform::FolderMade::Failed);
    EXPECT_FALSE(Platform::RemoveEmptyFolder(folder / "full/"));
    EXPECT_FALSE(Platform::RemoveEmptyFolder(folder / "file"));
    EXPECT_EQ(folder.Entries(), (Strings{"file", "full"}));
}

// What cannot be locked is neither held nor refused.
TEST(FolderLock, OneHolderAtATimeUntilItGoes)
{
    TempFolder folder;
    std::optional<Platform::FolderLock> first(folder.Path());
    EXPECT_EQ(first->GetState(), State::Held);
    EXPECT_EQ(Platform::FolderLock(folder.Path()).GetState(), State::HeldElsewhere);
    first.reset();
    EXPECT_EQ(Platform::FolderLock(folder.Path()).GetState(), State::Held);
    EXPECT_EQ(folder.Entries(), Strings{});
    folder.Write("file", "bytes");
    for (const std::string& path : Strings{folder / "missing/", folder / "file", std::string("x\0y", 3)})
        EXPECT_EQ(Platform::FolderLock(path).GetState(), State::Unavailable) << path;
}

// Only the save's own names go, and only directly in the folder.
TEST(TemporaryFiles, TheFilesAKilledSaveLeftAreRemovedAndNothingElse)
{
    TempFolder folder;
    const Strings kept{".vt-0123ABCD.tmp", ".vt-0123abc.tmp", ".vt-0123abcde.tmp", ".vt-0123abcg.tmp",
                       "a.vt-0123abcd.tmp", ".vt-0123abcd.tmp~", "list.vtl", "sub"};
    for (const std::string& name : kept)
        folder.Write(name, "kept");
    for (const char* name : {".vt-ffffffff.tmp", ".vt-09afbe3c.tmp"})
        folder.Write(name, "left");
    folder.MakeFolder(".vt-89abcdef.tmp");
    folder.MakeFolder("sub2");
    folder.Write("sub2/.vt-00000000.tmp", "not in the folder");
    Platform::RemoveTemporaryFiles(folder.Path());
    Strings expected = kept;
    expected.insert(expected.end(), {".vt-89abcdef.tmp", "sub2"});
    std::ranges::sort(expected);
    EXPECT_EQ(folder.Entries(), expected);
    EXPECT_EQ(folder.Entries("sub2"), Strings{".vt-00000000.tmp"});
}

} // namespace
