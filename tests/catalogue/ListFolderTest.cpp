#include "catalogue/Exceptions.h"
#include "catalogue/Manager.h"
#include "catalogue/PlayListManager.h"
#include "catalogue/SourceManager.h"
#include "platform/FolderListing.h"
#include "platform/TextLines.h"
#include "platform/WholeFile.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
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

std::string Repeated(const std::string& text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

// One run of the program: a fresh start loads the play lists and its close saves them.
void StartAndClose(const TempFolder& folder)
{
    PlayListManager lists;
    lists.Load(folder.Path());
    lists.Save(folder.Path());
}

// Neither the order the files were made in nor its reverse is the names' byte order.
TEST(ListFolderLoad, ReadsEveryReadableFileEndingInTheExtensionInSmallOrCapitalLettersInTheByteOrderOfItsName)
{
    TempFolder folder;
    // Each file holds a list named with the file's first four characters.
    for (const char* file : {"Jazz.vts", "Rock.VTS", ".vts", "Pop.Vts", "Live.vtsx", "List.vtl", "Jazz.vts.tmp",
                             "alto.vts", "\xE9t\xE9s.vts", "Zulu.vts"})
        folder.Write(file, FileOf(std::string(file).substr(0, 4)));
    folder.Write("Empty.vts", "");
    folder.Write("Bad.vts", Damaged);
    folder.MakeFolder("Old.vts");
    SourceManager sources;
    EXPECT_EQ(Names(sources.Load(folder.Path())), (Strings{".vts", "Jazz", "Rock", "Zulu", "alto", "\xE9t\xE9s"}));
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
    const std::string b = "B" + Repeated(" b", 100);
    for (int run = 0; run <= 3; ++run) {
        EXPECT_EQ(Loaded(folder), (Strings{"A a", b})) << run;
        EXPECT_EQ(folder.Entries().size(), 2U) << run;
        StartAndClose(folder);
    }
}

// Renamed lists are moved to their new files before they are written: wherever a save is
// killed, each list stays in one file, under its old name or its new one, and the file of
// another list that holds a new name already is never replaced.
TEST(ListFolderSave, AKilledSaveOfRenamedListsLeavesEachListInOneFile)
{
    const std::string other = FileOf("B2", {Titled("z")});
    const std::string b = Repeated(" b", 100);
    for (const std::size_t limit : {100U, 2000U, 100000U}) {
        TempFolder folder;
        folder.Write("A.vtl", FileOf("A", {Titled("a")}));
        folder.Write("B.vtl", FileOf("B", std::vector<VT::Song>(100, Titled("b"))));
        folder.Write("B2.vtl", other);
        EXPECT_EXIT(
            {
                TestSupport::LimitFileSize(limit, true);
                PlayListManager lists;
                for (const ListPtr& list : lists.Load(folder.Path())) {
                    if (list->GetName() != "B2")
                        list.Edit().SetName(list->GetName() + "2");
                }
                std::exit(static_cast<int>(lists.Save(folder.Path()).size()));
            },
            [](int) { return true; }, "");
        Strings loaded = Loaded(folder);
        ASSERT_EQ(loaded.size(), 3U) << limit;
        EXPECT_TRUE(loaded[0] == "A a" || loaded[0] == "A2 a") << loaded[0];
        EXPECT_TRUE(loaded[1] == "B" + b || loaded[1] == "B2" + b) << loaded[1];
        EXPECT_EQ(loaded[2], "B2 z");
        EXPECT_EQ(folder.Read("B2.vtl"), other);
    }
}

// A rename, and an undo or redo that brings a list back, takes it away or renames it,
// reaches the files at once; an edit waits for the close.
TEST(ListFolderSave, SavingRenamedListsBringsTheFilesInStepWithTheListsAtOnce)
{
    const std::vector<VT::Song> ab = {Titled("a"), Titled("b")};
    const auto mix = [](VT::Manager& model) { return model.GetPlayLists().at(0); };
    const auto rock = [](VT::Manager& model) { return model.GetPlayLists().at(1); };
    const auto rename = [&](VT::Manager& model) { mix(model).Edit().SetName("Party"); };
    const auto remove = [&](VT::Manager& model) {
        model.DeleteFileOf(mix(model));
        model.RemovePlayList(mix(model));
    };
    struct Case { const char* change; std::vector<std::function<void(VT::Manager&)>> steps; Strings entries; };
    const Case cases[] = {
        {"an edit", {[&](VT::Manager& model) { model.AddSongs({Titled("c")}, mix(model)); }}, {"Mix.vtl", "Rock.vtl"}},
        {"a rename", {rename}, {"Party.vtl", "Rock.vtl"}},
        {"a rename undone",
         {rename, [&](VT::Manager& model) { model.AddSongs({Titled("c")}, rock(model)); }, &VT::Manager::Undo},
         {"Mix.vtl", "Rock.vtl"}},
        {"a delete", {remove}, {"Rock.vtl"}},
        {"a delete undone", {remove, &VT::Manager::Undo}, {"Mix.vtl", "Rock.vtl"}},
        {"a delete redone", {remove, &VT::Manager::Undo, &VT::Manager::Redo}, {"Rock.vtl"}},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.Write("Mix.vtl", FileOf("Mix", ab));
        folder.Write("Rock.vtl", FileOf("Rock", {Titled("r")}));
        const auto rockFile = Platform::IdentityOf(folder / "Rock.vtl");
        VT::Manager model;
        model.LoadPlayLists(folder.Path());
        // Once with nothing to write, as after an earlier undo: that must hide no later change.
        EXPECT_TRUE(model.SaveRenamedPlayLists(folder.Path()).empty());
        for (const auto& step : c.steps) {
            step(model);
            EXPECT_TRUE(model.SaveRenamedPlayLists(folder.Path()).empty()) << c.change;
        }
        EXPECT_EQ(folder.Entries(), c.entries) << c.change;
        EXPECT_EQ(Platform::IdentityOf(folder / "Rock.vtl"), rockFile) << c.change;
        const std::string& mixFile = c.entries.front();
        EXPECT_TRUE(mixFile == "Rock.vtl" || folder.Read(mixFile) == FileOf(mixFile.substr(0, mixFile.size() - 4), ab))
            << c.change;
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

// A list is written back only when its file would not come out byte for byte the same.
TEST(ListFolderSave, WritesEveryListThatChangedSinceItsFileWasReadOrWrittenAndNoOther)
{
    const std::vector<VT::Song> ab = {Titled("a"), Titled("b")};
    const std::vector<VT::Song> abc = {Titled("a"), Titled("b"), Titled("c")};
    VT::Song cleared = Titled("a");
    cleared.Clear();
    VT::Song clearedB = Titled("b");
    clearedB.Clear();
    using Change = std::function<void(VT::Manager&, const TempFolder&)>;
    const auto mix = [](VT::Manager& model) { return model.GetPlayLists().at(0); };
    const auto jazz = [](VT::Manager& model) { return model.GetSources().at(0); };
    const auto add = [mix](VT::Manager& model) { model.AddSongs({Titled("c")}, mix(model)); };
    const auto save = [](VT::Manager& model, const TempFolder& folder) { model.SavePlayLists(folder.Path()); };
    struct Case { const char* change; Change apply; std::string file, content; };
    const Case cases[] = {
        {"nothing", [](VT::Manager&, const TempFolder&) {}, "Mix.vtl", ""},
        {"an edit undone", [&](VT::Manager& model, const TempFolder&) { add(model); model.Undo(); }, "Mix.vtl", ""},
        {"a sort that changes nothing",
         [&](VT::Manager& model, const TempFolder&) { mix(model).Edit().SortByField(VT::TitleField, 1); },
         "Mix.vtl", FileOf("Mix", ab)},
        {"songs added", [&](VT::Manager& model, const TempFolder&) { add(model); }, "Mix.vtl", FileOf("Mix", abc)},
        {"songs removed", [&](VT::Manager& model, const TempFolder&) { model.RemoveSongsAt({0}, mix(model)); },
         "Mix.vtl", FileOf("Mix", {Titled("b")})},
        {"songs moved", [&](VT::Manager& model, const TempFolder&) { model.MoveSongsAt({1}, mix(model), 0); },
         "Mix.vtl", FileOf("Mix", {Titled("b"), Titled("a")})},
        {"renamed", [&](VT::Manager& model, const TempFolder&) { mix(model).Edit().SetName("Party"); }, "Party.vtl",
         FileOf("Party", ab)},
        {"undone after a save",
         [&](VT::Manager& model, const TempFolder& folder) { add(model), save(model, folder), model.Undo(); },
         "Mix.vtl", FileOf("Mix", ab)},
        {"redone after a save",
         [&](VT::Manager& model, const TempFolder& folder) { add(model), model.Undo(), save(model, folder), model.Redo(); },
         "Mix.vtl", FileOf("Mix", abc)},
        {"its file changed by another program",
         [](VT::Manager&, const TempFolder& folder) { folder.Write("Mix.vtl", FileOf("Mix", {Titled("x"), Titled("y")})); },
         "Mix.vtl", FileOf("Mix", ab)},
        {"a source sorted",
         [&](VT::Manager& model, const TempFolder&) { jazz(model).Edit().SortByField(VT::TitleField, -1); }, "Jazz.vts",
         FileOf("Jazz", {Titled("b"), Titled("a")})},
        {"a source's songs edited in place",
         [&](VT::Manager& model, const TempFolder&) { jazz(model).Edit().songs[0].Clear(); }, "Jazz.vts",
         FileOf("Jazz", {cleared, Titled("b")})},
        {"a source edited again after a save",
         [&](VT::Manager& model, const TempFolder& folder) {
             jazz(model).Edit().songs[1].Clear(), model.SaveSources(folder.Path()), jazz(model).Edit().songs[0].Clear();
         },
         "Jazz.vts", FileOf("Jazz", {cleared, clearedB})},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.Write("Mix.vtl", FileOf("Mix", ab));
        folder.Write("Jazz.vts", FileOf("Jazz", ab));
        const auto before = Platform::IdentityOf(folder / c.file);
        VT::Manager model;
        model.LoadPlayLists(folder.Path());
        model.LoadSources(folder.Path());
        c.apply(model, folder);
        EXPECT_TRUE(model.SavePlayLists(folder.Path()).empty()) << c.change;
        EXPECT_TRUE(model.SaveSources(folder.Path()).empty()) << c.change;
        EXPECT_EQ(folder.Entries(), Sorted({c.file == "Jazz.vts" ? "Mix.vtl" : c.file, "Jazz.vts"})) << c.change;
        if (c.content.empty())
            EXPECT_EQ(Platform::IdentityOf(folder / c.file), before) << c.change;
        else
            EXPECT_EQ(folder.Read(c.file), c.content) << c.change;
    }
}

// Only a file exactly as the list would be written is left alone after a load, and one
// that the reader could not read whole, until its list changes.
TEST(ListFolderSave, RewritesAFileThatWouldNotComeOutTheSame)
{
    const std::string canonical = FileOf("Mix", {Titled("a"), Titled("b")});
    const std::string a = FileOf("Mix", {Titled("a")});
    const std::string records = canonical.substr(canonical.find("SONG"));
    const std::string header = canonical.substr(0, canonical.find("SONG"));
    const std::string unended = canonical.substr(0, canonical.size() - 12);
    std::string bare = canonical;
    std::erase(bare, '\r');
    std::string tooLong = FileOf("Mix", {Titled(std::string(Platform::LineReader::LongestLine + 1, 'x'))});
    tooLong = header + tooLong.substr(tooLong.find("SONG"), tooLong.size() - tooLong.find("SONG") - 12) + records;
    struct Case { const char* what; std::string file, name; bool whole = true; };
    const Case cases[] = {
        {"read from another file", canonical, "Other.vtl"},
        {"bare line feeds", bare, "Mix.vtl"},
        {"a count that differs", a.substr(0, a.find("SONG")) + records, "Mix.vtl"},
        {"a count with a leading zero", header.substr(0, header.size() - 3) + "02\r\n" + records, "Mix.vtl"},
        {"bytes after the end", canonical + "x", "Mix.vtl"},
        {"an end line without line end", canonical.substr(0, canonical.size() - 2), "Mix.vtl"},
        {"a line between records", header + "stray\r\n" + records, "Mix.vtl"},
        {"no end line", unended, "Mix.vtl", false},
        {"a broken record", unended + "SONG\r\n" + Repeated("x\r\n", 9) + "END\r\nEND VTFILE\r\n", "Mix.vtl", false},
        {"a line too long to read", tooLong, "Mix.vtl", false},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.Write(c.name, c.file);
        StartAndClose(folder);
        EXPECT_EQ(folder.Entries(), (Strings{"Mix.vtl"})) << c.what;
        EXPECT_EQ(folder.Read("Mix.vtl"), c.whole ? canonical : c.file) << c.what;
        if (c.whole)
            continue;
        PlayListManager lists;
        lists.Load(folder.Path()).at(0).Edit().SortByField(VT::TitleField, 1);
        lists.Save(folder.Path());
        EXPECT_EQ(folder.Read("Mix.vtl"), canonical) << c.what;
    }
}

} // namespace
