#include "platform/FolderLock.h"
#include "platform/TemporaryFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using State = Platform::FolderLock::State;
using Strings = std::vector<std::string>;
using TestSupport::TempFolder;

TEST(FolderLock, OneHolderAtATimeUntilItGoes)
{
    TempFolder folder;
    std::optional<Platform::FolderLock> first(folder.Path());
    EXPECT_EQ(first->GetState(), State::Held);
    EXPECT_EQ(Platform::FolderLock(folder.Path()).GetState(), State::HeldElsewhere);
    first.reset();
    EXPECT_EQ(Platform::FolderLock(folder.Path()).GetState(), State::Held);
    EXPECT_EQ(folder.Entries(), Strings{});
}

TEST(FolderLock, WhatCannotBeLockedIsNeitherHeldNorRefused)
{
    TempFolder folder;
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
