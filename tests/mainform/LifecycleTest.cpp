#include "tests/mainform/AppFormFixture.h"

#include "mainform/ProgramFolder.h"
#include "mainform/StatusLine.h"
#include "platform/FolderLock.h"
#include "platform/Separator.h"

#include <filesystem>

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
        EXPECT_EQ(FolderOf(executable), folder) << executable;
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

// A later activation (after another window had the focus) starts no second load.
TEST_F(Lifecycle, AnEmptyFolderStartsWithEmptyPanesNothingShownAndTheBeginnerHelp)
{
    StartAndLoad();
    WriteList(SongList("Jazz", 3), ".vts");
    Form().FormActivate();
    Testing::WaitForWorkers();
    EXPECT_EQ(Form().SourceListBox->Items().Count(), 0);
    EXPECT_EQ(Form().PlaylistListBox->Items().Count(), 0);
    EXPECT_EQ(Form().CurrentListLabel->Caption(), NothingShownText);
    EXPECT_TRUE(Form().HelpTimer->Enabled());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Lifecycle, AFolderThatCannotBeListedShowsBothMessagesAndTheLoadGoesOn)
{
    const std::string missing = Folder() / "missing/";
    Form().UseProgramFolder(missing);
    StartAndLoad();
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

} // namespace
