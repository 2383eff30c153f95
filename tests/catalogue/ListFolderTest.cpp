#include "catalogue/Exceptions.h"
#include "catalogue/PlayListManager.h"
#include "catalogue/SourceManager.h"
#include "platform/FolderListing.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace SongSamples;
using TestSupport::TempFolder;
using VT::ListPtr;
using VT::PlayListManager;
using VT::SourceManager;

const std::string Damaged = "VTFILE \r\n-name-\r\nBad\r\n-count-\r\n0\r\nEND VTFILE\r\n";

Strings Sorted(Strings texts)
{
    std::sort(texts.begin(), texts.end());
    return texts;
}

// The lists a fresh start reads from the folder, each as its name and song titles.
Strings Loaded(const TempFolder& folder)
{
    PlayListManager lists;
    Strings loaded;
    for (const ListPtr& list : lists.Load(folder.Path())) {
        loaded.push_back(list->GetName());
        for (const std::string& title : Titles(list->songs))
            loaded.back() += " " + title;
    }
    return Sorted(loaded);
}

// One run of the program: a fresh start loads the play lists and its close saves them.
void StartAndClose(const TempFolder& folder)
{
    PlayListManager lists;
    lists.Load(folder.Path());
    lists.Save(folder.Path());
}

TEST(ListFolderLoad, ReadsEveryReadableFileEndingInTheExtensionInSmallOrCapitalLetters)
{
    TempFolder folder;
    // Each file holds a list named with the file's first four characters.
    for (const char* file : {"Jazz.vts", "Rock.VTS", ".vts", "Pop.Vts", "Live.vtsx", "List.vtl", "Jazz.vts.tmp"})
        folder.Write(file, FileOf(std::string(file).substr(0, 4)));
    folder.Write("Empty.vts", "");
    folder.Write("Bad.vts", Damaged);
    folder.MakeFolder("Old.vts");
    Strings inListingOrder;
    const Strings listing = Platform::ListFolder(folder.Path()).value();
    for (const std::string& file : listing) {
        if (file == "Jazz.vts" || file == "Rock.VTS" || file == ".vts")
            inListingOrder.push_back(file.substr(0, 4));
    }
    SourceManager sources;
    EXPECT_EQ(Names(sources.Load(folder.Path())), inListingOrder);
}

TEST(ListFolderSave, WritesEachListToTheFileItCameFromOrToOneNamedAfterIt)
{
    TempFolder folder;
    PlayListManager lists;
    EXPECT_TRUE(lists.Save(folder.Path()).empty());
    EXPECT_TRUE(folder.Entries().empty());
    const std::string original = FileOf("Road Trip", {Titled("a"), Make({.title = "bare"})});
    folder.Write("Road Trip.vtl", original);
    folder.Write("Mix.VTL", FileOf("Mix", {Titled("old")}));
    // A copy of a list comes from the same file, which only one of the two keeps.
    for (const ListPtr& list : lists.Load(folder.Path())) {
        if (list->GetName() == "Mix")
            lists.AddSongs({Titled("new")}, list);
        else
            lists.Add(*list);
    }
    lists.Add(ListOf("Chill", {}));
    EXPECT_TRUE(lists.Save(folder.Path()).empty());
    EXPECT_EQ(folder.Entries(), (Strings{"Chill.vtl", "Mix.VTL", "Road Trip (2).vtl", "Road Trip.vtl"}));
    EXPECT_EQ(folder.Read("Road Trip.vtl"), original);
    EXPECT_EQ(folder.Read("Road Trip (2).vtl"), original);
    EXPECT_EQ(folder.Read("Mix.VTL"), FileOf("Mix", {Titled("old"), Titled("new")}));
    EXPECT_EQ(folder.Read("Chill.vtl"), FileOf("Chill"));
}

TEST(ListFolderSave, EveryRunLoadsEachListOnceFromOneFileOfItsOwn)
{
    TempFolder folder;
    const std::string longName(3000, 'n');
    folder.Write("Other.vtl", FileOf("Jazz", {Titled("a")}));
    folder.Write("Road Trip.vtl", FileOf("Road Trip"));
    folder.Write("road trip.vtl", FileOf("road trip"));
    folder.Write("x.vtl", FileOf("Rock/Pop: Best?"));
    folder.Write("y.VTL", FileOf(longName));
    // A file the load passes over stays as it is, and no list is written over it.
    folder.Write("Damaged.vtl", Damaged);
    folder.Write("z.vtl", FileOf("Damaged"));
    const Strings lists = Sorted({"Jazz a", "Road Trip", "road trip", "Rock/Pop: Best?", longName, "Damaged"});
    for (int run = 1; run <= 3; ++run) {
        StartAndClose(folder);
        EXPECT_EQ(Loaded(folder), lists) << run;
        EXPECT_EQ(folder.Entries(), Sorted({"Damaged (2).vtl", "Damaged.vtl", "Jazz.vtl", "Road Trip.vtl",
                                            "Rock_Pop_ Best_.vtl", "road trip.vtl", std::string(200, 'n') + ".vtl"}))
            << run;
        EXPECT_EQ(folder.Read("Damaged.vtl"), Damaged);
    }
}

TEST(ListFolderSave, ListsInEachOthersFilesSurviveAFailedWriteAndEveryRun)
{
    TempFolder folder;
    folder.Write("A.vtl", FileOf("B", std::vector<VT::Song>(100, Titled("b"))));
    folder.Write("B.vtl", FileOf("A", {Titled("a")}));
    // Only the small file of A can be written.
    EXPECT_EXIT(
        {
            TestSupport::LimitFileSize(1000, false);
            PlayListManager lists;
            lists.Load(folder.Path());
            std::exit(static_cast<int>(lists.Save(folder.Path()).size()));
        },
        testing::ExitedWithCode(1), "");
    std::string b = "B";
    for (int song = 0; song < 100; ++song)
        b += " b";
    for (int run = 0; run <= 3; ++run) {
        EXPECT_EQ(Loaded(folder), (Strings{"A a", b})) << run;
        EXPECT_EQ(folder.Entries().size(), 2U) << run;
        StartAndClose(folder);
    }
}

TEST(ListFolderSave, KeepsTheFileAListCameFromWhenItCarriesTheListsNameWithOrWithoutACounter)
{
    struct Case { std::string list, file; Strings written; }; // the list came from the file
    const Case cases[] = {
        {"Mix", "Mix (2).vtl", {"Mix (2).vtl"}}, {"Mix", "mix (123456789).VTL", {"mix (123456789).VTL"}},
        {"Mix", "Mix (1234567890).vtl", {"Mix.vtl"}}, {"Mix", "Mix (1).vtl", {"Mix.vtl"}},
        {"Mix", "Mix (0).vtl", {"Mix.vtl"}}, {"Mix", "Mix (01).vtl", {"Mix.vtl"}}, {"Mix", "Mix ().vtl", {"Mix.vtl"}},
        {"Mix", "Mix(2).vtl", {"Mix.vtl"}}, {"Mix (0)", "Mix (0).vtl", {"Mix (0).vtl"}},
        {"Mix (0)", "Mix.vtl", {"Mix (0).vtl"}},
        // A file the load would pass over is neither kept nor removed.
        {"Mix", "Mix.Vtl", {"Mix (2).vtl", "Mix.Vtl"}},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.Write(c.file, FileOf(c.list));
        VT::PlayList list = ListOf(c.list, {});
        list.SetFile(folder / c.file);
        PlayListManager lists;
        lists.Add(list);
        lists.Save(folder.Path());
        EXPECT_EQ(folder.Entries(), c.written) << c.list << " from " << c.file;
    }
}

TEST(ListFolderSave, GivesNamesThatDifferOnlyInCaseFilesOfTheirOwn)
{
    TempFolder folder;
    SourceManager sources;
    for (const char* name : {"Rock", "rock", "Rock"})
        sources.Add(ListOf(name, {Titled(name)}));
    sources.Save(folder.Path());
    const Strings files = {"Rock (3).vts", "Rock.vts", "rock (2).vts"};
    EXPECT_EQ(folder.Entries(), files);
    // Saved again, and after a reload, every list keeps the file it has.
    sources.Save(folder.Path());
    EXPECT_EQ(folder.Entries(), files);
    SourceManager reloaded;
    reloaded.Load(folder.Path());
    reloaded.Save(folder.Path());
    EXPECT_EQ(folder.Entries(), files);
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
    EXPECT_EQ(parent.Entries(), (Strings{"lists"}));
    EXPECT_EQ(Sorted(Platform::ListFolder(folder).value()),
              (Strings{".._x.vts", ".vts", "_.vts", "__.vts", "a_b.vts", "a_b_c_d_e_f_g_h_i.vts", "tab_nul_.vts"}));
    SourceManager reloaded;
    EXPECT_EQ(Sorted(Names(reloaded.Load(folder))), Sorted(hostile));
}

TEST(ListFolderSave, PassesOverAListWhoseFileCannotBeWrittenAndReportsIt)
{
    TempFolder folder;
    folder.Write("B.vts", FileOf("B", {Titled("old")}));
    SourceManager sources;
    const ListPtr b = sources.Load(folder.Path()).at(0);
    std::filesystem::remove(folder / "B.vts");
    folder.MakeFolder("B.vts/inside");
    sources.Add(ListOf("A", {Titled("a")}));
    EXPECT_EQ(sources.Save(folder.Path()), (std::vector<ListPtr>{b}));
    EXPECT_EQ(folder.Read("A.vts"), FileOf("A", {Titled("a")}));
    EXPECT_EQ(folder.Entries(), (Strings{"A.vts", "B.vts"}));
}

} // namespace
