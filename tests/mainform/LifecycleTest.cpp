#include "tests/mainform/AppFormFixture.h"

#include "mainform/ProgramFolder.h"
#include "mainform/StatusLine.h"
#include "platform/FolderLock.h"
#include "platform/Separator.h"

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using Lifecycle = AppFormFixture;

TEST(ProgramFolder, IsTheExecutablesFolderEndingInTheSeparator)
{
    const std::string separator(1, Platform::Separator);
    const std::vector<std::pair<std::string, std::string>> cases{
        {"/opt/vesktunelo/vesktunelo", "/opt/vesktunelo" + separator},
        {"C:\\Program Files\\VT\\vt.exe", ""},
        {"vesktunelo", ""},
    };
    for (const auto& [executable, folder] : cases)
        EXPECT_EQ(Platform::FolderOf(executable), folder) << executable;
}

// The copy that holds the folder first removes what a killed save left; another is told.
TEST_F(Lifecycle, OnlyTheCopyHoldingTheProgramFolderWorksOnIt)
{
    Folder().Write(".vt-0123abcd.tmp", "half a list");
    const Platform::FolderLock first(Folder().Path());
    EXPECT_FALSE(TakeProgramFolder(Platform::FolderLock(Folder().Path()), Folder().Path()));
    EXPECT_EQ(Messages(), Strings{"Vesk Tunelo is already running."});
    EXPECT_TRUE(Folder().Exists(".vt-0123abcd.tmp"));
    EXPECT_TRUE(TakeProgramFolder(first, Folder().Path()));
    EXPECT_EQ(Messages().size(), 1U);
    EXPECT_FALSE(Folder().Exists(".vt-0123abcd.tmp"));
}

// A later activation (after another window had the focus) starts no second load; a folder
// that cannot be listed is named in both messages and the load goes on.
TEST_F(Lifecycle, AnEmptyOrUnlistedFolderStartsWithEmptyPanesNothingShownAndTheBeginnerHelp)
{
    const std::string missing = Folder() / "missing/";
    for (const bool listed : {true, false}) {
        Restart();
        if (!listed)
            Form().UseProgramFolder(missing);
        StartAndLoad();
        WriteList(SongList("Jazz", 3), ".vts");
        Form().FormActivate();
        Testing::WaitForWorkers();
        EXPECT_EQ(Form().SourceListBox->Items().Count() + Form().PlaylistListBox->Items().Count(), 0) << listed;
        EXPECT_EQ(Form().CurrentListLabel->Caption(), NothingShownText);
        EXPECT_TRUE(Form().HelpTimer->Enabled());
    }
    EXPECT_EQ(Messages(), (Strings{"There was an error loading Sources from : " + missing,
                                   "There was an error loading Play Lists from : " + missing}));
}

// Each record belongs to its row: the rows the user made while the load ran stay where
// the sort puts them, and the shown list stays shown.
TEST_F(Lifecycle, PlayListsMadeBeforeTheirLoadStepKeepTheirRowsAndStayShown)
{
    WriteList(SongList("Zydeco", 2), ".vtl");
    WriteList(SongList("Blues", 5), ".vtl");
    Form().SelectPlayList(Form().AddPlayListEntry(Form().Model.AddPlayList(SongList("Mine", 2))));
    const VT::ListPtr mine = Form().Model.GetSelected();

    Form().LoadPlayLists(VT::Manager::ReadPlayListFiles(Folder().Path()));

    EXPECT_EQ(Rows(*Form().PlaylistListBox), (Strings{"Blues (5)", "Mine (2)", "Zydeco (2)"}));
    EXPECT_EQ(Form().PlayListInfos.size(), 3u);
    EXPECT_TRUE(Form().Model.GetSelected() == mine);
    EXPECT_EQ(Form().ShownRow(), 1);
}

// Before the load has read the settings the window holds only its first-run ones. The
// list files are written again whole, so their removal shows that they were saved.
TEST_F(Lifecycle, ClosingBeforeTheOptionsWereReadSavesTheListsAndLeavesTheOptionsFile)
{
    const std::string options = "0\r\n0\r\n0\r\n0\r\n35\r\n99\r\n125\r\n100\r\n50\r\n80\r\n250\r\n0\r\n";
    Folder().Write("options.opt", options);
    const std::string jazz = WriteList(SongList("Jazz", 3), ".vts");
    const std::string party = WriteList(SongList("Party", 4), ".vtl");
    Form().LoadSources(VT::Manager::ReadSourceFiles(Folder().Path()));
    Form().LoadPlayLists(VT::Manager::ReadPlayListFiles(Folder().Path()));
    std::filesystem::remove(Folder() / "Jazz.vts");
    std::filesystem::remove(Folder() / "Party.vtl");
    CloseByUser();
    EXPECT_EQ(Folder().Read("Jazz.vts"), jazz);
    EXPECT_EQ(Folder().Read("Party.vtl"), party);
    EXPECT_EQ(Folder().Read("options.opt"), options);
}

// Lists that are saved are not named; a file that nobody may write is not replaced.
TEST_F(Lifecycle, ClosingNamesTheListsThatCouldNotBeSaved)
{
    WriteList(SongList("Jazz", 2), ".vts");
    WriteList(SongList("Rock", 2), ".vtl");
    ASSERT_EQ(chmod((Folder() / "Jazz.vts").c_str(), 0444) | chmod((Folder() / "Rock.vtl").c_str(), 0444), 0);
    StartAndLoad();
    for (const VT::ListPtr& list : {Form().Model.GetSources().at(0), Form().Model.GetPlayLists().at(0)})
        list.Edit().SortByField(VT::TitleField, -1);
    Form().Model.AddPlayList(SongList("Party", 1));
    CloseByUser();
    EXPECT_EQ(Messages(), (Strings{"The changes to these lists could not be saved: Rock, Jazz."}));
    EXPECT_EQ(Folder().Entries(), (Strings{"Jazz.vts", "Party.vtl", "Rock.vtl", "options.opt"}));
}

// A file-size limit fails the write of one list instead of ending the program mid-save:
// were its signal not ignored, it would end this test program.
TEST_F(Lifecycle, AListPastTheFileSizeLimitIsNamedAndTheListsAfterItAreSaved)
{
    std::signal(SIGXFSZ, SIG_DFL);
    StartAndLoad();
    Form().Model.AddPlayList(SongList("Big", 100));
    Form().Model.AddPlayList(SongList("Small", 1));
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limited{2000, unlimited.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    CloseByUser();
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(Messages(), (Strings{"The changes to these lists could not be saved: Big."}));
    EXPECT_TRUE(Folder().Exists("Small.vtl"));
}

} // namespace
