#include "catalogue/Exceptions.h"
#include "catalogue/PlayListManager.h"
#include "catalogue/SourceManager.h"
#include "platform/FolderListing.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using SongSamples::ListOf;
using SongSamples::Titled;
using SongSamples::Titles;
using Strings = std::vector<std::string>;
using TestSupport::TempFolder;
using VT::ListPtr;
using VT::PlayListManager;
using VT::SourceManager;

std::string FileOf(const std::string& name, const std::vector<VT::Song>& songs = {})
{
    std::string text;
    ListOf(name, songs).Write(text);
    return text;
}

Strings NamesOf(const std::vector<ListPtr>& handles)
{
    Strings names;
    for (const ListPtr& handle : handles)
        names.push_back(handle->GetName());
    return names;
}

Strings SortedEntries(const TempFolder& folder)
{
    Strings names = Platform::ListFolder(folder.Path()).value();
    std::sort(names.begin(), names.end());
    return names;
}

// The listed entries of the folder that are among `wanted`, in listing order.
Strings ListingOrder(const TempFolder& folder, const Strings& wanted)
{
    Strings order;
    const Strings listed = Platform::ListFolder(folder.Path()).value();
    for (const std::string& name : listed) {
        if (std::find(wanted.begin(), wanted.end(), name) != wanted.end())
            order.push_back(name);
    }
    return order;
}

TEST(ListFolderLoad, ReadsOnlyFilesEndingInTheExtensionInSmallOrCapitalLetters)
{
    TempFolder folder;
    folder.Write("Jazz.vts", FileOf("Jazz", {Titled("a")}));
    folder.Write("Rock.VTS", FileOf("Rock"));
    folder.Write("Pop.Vts", FileOf("Pop"));
    folder.Write("Live.vtsx", FileOf("Live"));
    folder.Write("List.vtl", FileOf("List"));
    folder.Write("Jazz.vts.tmp", FileOf("Leftover"));
    folder.Write("Empty.vts", "");
    folder.MakeFolder("Old.vts");
    SourceManager sources;
    const std::vector<ListPtr> added = sources.Load(folder.Path());

    Strings expected;
    for (const std::string& file : ListingOrder(folder, {"Jazz.vts", "Rock.VTS"}))
        expected.push_back(file.substr(0, 4));
    EXPECT_EQ(NamesOf(added), expected);
    EXPECT_EQ(sources.All(), added);
    const ListPtr jazz = added[0]->GetName() == "Jazz" ? added[0] : added[1];
    EXPECT_EQ(Titles(jazz->songs), (Strings{"a"}));
    EXPECT_EQ(jazz->GetFilePath(), folder / "Jazz.vts");
    EXPECT_EQ(jazz->GetExtension(), ".vts");
}

TEST(ListFolderLoad, PlayListsTakeTheirOwnExtension)
{
    TempFolder folder;
    folder.Write("Mix.VTL", FileOf("Mix"));
    folder.Write("Rock.vts", FileOf("Rock"));
    PlayListManager lists;
    const std::vector<ListPtr> added = lists.Load(folder.Path());
    EXPECT_EQ(NamesOf(added), (Strings{"Mix"}));
    EXPECT_EQ(added[0]->GetExtension(), ".VTL");
}

TEST(ListFolderLoad, NamesEachListAfterTheNameInsideItsFile)
{
    TempFolder folder;
    folder.Write("Other.vts", FileOf("Jazz"));
    folder.Write(".vts", FileOf("Only the extension"));
    SourceManager sources;
    Strings names = NamesOf(sources.Load(folder.Path()));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Strings{"Jazz", "Only the extension"}));
}

TEST(ListFolderLoad, SkipsADamagedFileLeavesItAloneAndReadsTheRest)
{
    TempFolder folder;
    const std::string damaged = "VTFILE \r\n-name-\r\nBad\r\n-count-\r\n0\r\nEND VTFILE\r\n";
    folder.Write("A.vts", FileOf("A"));
    folder.Write("Bad.vts", damaged);
    folder.Write("C.vts", FileOf("C"));
    folder.Write("D.vts", "VTFILE\r\n-name-\r\n");
    SourceManager sources;
    sources.Add(ListOf("Held before", {}));
    Strings names = NamesOf(sources.Load(folder.Path()));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Strings{"A", "C"}));
    EXPECT_EQ(sources.Size(), 3U);
    sources.Save(folder.Path());
    EXPECT_EQ(folder.Read("Bad.vts"), damaged);
    EXPECT_EQ(folder.Read("D.vts"), "VTFILE\r\n-name-\r\n");
}

TEST(ListFolderLoad, FailsOnAFolderThatCannotBeListedAndAddsNothing)
{
    TempFolder folder;
    SourceManager sources;
    EXPECT_THROW(sources.Load(folder / "missing/"), VT::invalid_directory);
    folder.Write("file.vts", FileOf("x"));
    EXPECT_THROW(sources.Load(folder / "file.vts/"), VT::invalid_directory);
    EXPECT_EQ(sources.Size(), 0U);
}

TEST(ListFolderSave, WritesEachListToAFileNamedAfterIt)
{
    TempFolder folder;
    PlayListManager lists;
    const ListPtr mix = lists.Add(ListOf("Mix", {Titled("a")}));
    lists.Add(ListOf("Chill", {}));
    EXPECT_TRUE(lists.Save(folder.Path()).empty());
    EXPECT_EQ(SortedEntries(folder), (Strings{"Chill.vtl", "Mix.vtl"}));
    EXPECT_EQ(folder.Read("Mix.vtl"), FileOf("Mix", {Titled("a")}));
    EXPECT_EQ(mix->GetFilePath(), folder / "Mix.vtl");
    EXPECT_EQ(mix->GetExtension(), ".vtl");
}

TEST(ListFolderSave, OfAnEmptyManagerWritesNothing)
{
    TempFolder folder;
    SourceManager sources;
    EXPECT_TRUE(sources.Save(folder.Path()).empty());
    EXPECT_TRUE(SortedEntries(folder).empty());
}

TEST(ListFolderSave, ReplacesTheContentOfAnExistingFile)
{
    TempFolder folder;
    folder.Write("Rock.vts", FileOf("Rock", {Titled("old"), Titled("older"), Titled("oldest")}));
    SourceManager sources;
    sources.Add(ListOf("Rock", {Titled("new")}));
    sources.Save(folder.Path());
    EXPECT_EQ(folder.Read("Rock.vts"), FileOf("Rock", {Titled("new")}));
    EXPECT_EQ(SortedEntries(folder), (Strings{"Rock.vts"}));
}

TEST(ListFolderSave, RewritesAnUnchangedListByteForByte)
{
    TempFolder folder;
    const std::string original = FileOf("Road Trip", {Titled("a"), SongSamples::Make({.title = "bare"})});
    folder.Write("Road Trip.vtl", original);
    PlayListManager lists;
    lists.Load(folder.Path());
    lists.Save(folder.Path());
    EXPECT_EQ(folder.Read("Road Trip.vtl"), original);
    EXPECT_EQ(SortedEntries(folder), (Strings{"Road Trip.vtl"}));
}

TEST(ListFolderSave, WritesAListReadFromACapitalExtensionBackToThatFile)
{
    TempFolder folder;
    folder.Write("Mix.VTL", FileOf("Mix"));
    PlayListManager lists;
    const ListPtr mix = lists.Load(folder.Path()).at(0);
    lists.AddSongs({Titled("a")}, mix);
    lists.Save(folder.Path());
    EXPECT_EQ(SortedEntries(folder), (Strings{"Mix.VTL"}));
    EXPECT_EQ(folder.Read("Mix.VTL"), FileOf("Mix", {Titled("a")}));
    EXPECT_EQ(mix->GetExtension(), ".VTL");
}

TEST(ListFolderSave, NeverKeepsAFileThatTheLoadWouldPassOver)
{
    TempFolder folder;
    SourceManager sources;
    VT::PlayList pop = ListOf("Pop", {});
    pop.SetFile(folder / "Pop.Vts");
    sources.Add(pop);
    sources.Save(folder.Path());
    EXPECT_EQ(SortedEntries(folder), (Strings{"Pop.vts"}));
    EXPECT_EQ(sources.Begin()->GetExtension(), ".vts");
}

TEST(ListFolderSave, WritesAListFromAFileOfAnotherNameUnderItsOwnName)
{
    TempFolder folder;
    folder.Write("Other.vts", FileOf("Jazz"));
    SourceManager sources;
    sources.Load(folder.Path());
    sources.Save(folder.Path());
    EXPECT_EQ(SortedEntries(folder), (Strings{"Jazz.vts", "Other.vts"}));
    EXPECT_EQ(folder.Read("Other.vts"), FileOf("Jazz"));
    EXPECT_EQ(folder.Read("Jazz.vts"), FileOf("Jazz"));
}

TEST(ListFolderSave, GivesNamesThatDifferOnlyInCaseFilesOfTheirOwn)
{
    TempFolder folder;
    SourceManager sources;
    for (const char* name : {"Rock", "rock", "Rock"})
        sources.Add(ListOf(name, {Titled(name)}));
    sources.Save(folder.Path());
    EXPECT_EQ(SortedEntries(folder), (Strings{"Rock (3).vts", "Rock.vts", "rock (2).vts"}));
    EXPECT_EQ(folder.Read("rock (2).vts"), FileOf("rock", {Titled("rock")}));

    // Saved again, and after a reload, every list keeps the file it has.
    sources.Save(folder.Path());
    SourceManager reloaded;
    reloaded.Load(folder.Path());
    reloaded.Save(folder.Path());
    EXPECT_EQ(SortedEntries(folder), (Strings{"Rock (3).vts", "Rock.vts", "rock (2).vts"}));
    EXPECT_EQ(reloaded.Size(), 3U);
}

TEST(ListFolderSave, KeepsAHostileNameInsideTheFileAndTheFileInsideTheFolder)
{
    TempFolder parent;
    const std::string folder = parent.MakeFolder("lists");
    const Strings hostile = {"../x", "a/b", ".", "..", "a\\b:c*d?e\"f<g>h|i", std::string("tab\tnul\0", 8), ""};
    SourceManager sources;
    for (const std::string& name : hostile)
        sources.Add(ListOf(name, {}));
    EXPECT_TRUE(sources.Save(folder).empty());

    EXPECT_EQ(SortedEntries(parent), (Strings{"lists"}));
    Strings files = Platform::ListFolder(folder).value();
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (Strings{".._x.vts", ".vts", "_.vts", "__.vts", "a_b.vts", "a_b_c_d_e_f_g_h_i.vts",
                              "tab_nul_.vts"}));
    SourceManager reloaded;
    Strings names = NamesOf(reloaded.Load(folder));
    std::sort(names.begin(), names.end());
    Strings expected = hostile;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

TEST(ListFolderSave, CutsAVeryLongNameToAFileNameTheSystemTakes)
{
    TempFolder folder;
    SourceManager sources;
    sources.Add(ListOf(std::string(400, 'x'), {}));
    EXPECT_TRUE(sources.Save(folder.Path()).empty());
    EXPECT_EQ(sources.Begin()->GetFilePath(), folder / (std::string(200, 'x') + ".vts"));
    SourceManager reloaded;
    EXPECT_EQ(NamesOf(reloaded.Load(folder.Path())), (Strings{std::string(400, 'x')}));
}

TEST(ListFolderSave, PassesOverAListWhoseFileCannotBeWrittenAndReportsIt)
{
    TempFolder folder;
    folder.MakeFolder("B.vts");
    folder.Write("C.vts", FileOf("C", {Titled("old")}));
    folder.MakeFolder("C.vts.tmp");
    SourceManager sources;
    const ListPtr a = sources.Add(ListOf("A", {Titled("a")}));
    const ListPtr b = sources.Add(ListOf("B", {Titled("b")}));
    const ListPtr c = sources.Add(ListOf("C", {Titled("new")}));
    sources.Add(ListOf("D", {Titled("d")}));

    EXPECT_EQ(sources.Save(folder.Path()), (std::vector<ListPtr>{b, c}));
    EXPECT_EQ(folder.Read("A.vts"), FileOf("A", {Titled("a")}));
    EXPECT_EQ(folder.Read("C.vts"), FileOf("C", {Titled("old")}));
    EXPECT_EQ(folder.Read("D.vts"), FileOf("D", {Titled("d")}));
    EXPECT_EQ(SortedEntries(folder), (Strings{"A.vts", "B.vts", "C.vts", "C.vts.tmp", "D.vts"}));
    EXPECT_EQ(a->GetFilePath(), folder / "A.vts");
    EXPECT_TRUE(c->GetFilePath().empty());
}

} // namespace
