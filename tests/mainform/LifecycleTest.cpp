#include "tests/mainform/AppFormFixture.h"

#include "framework/Testing.h"

#include <QAbstractItemView>
#include <QTimer>

#include <algorithm>
#include <filesystem>

namespace {

using Lifecycle = AppFormFixture;

const std::string NothingShown = "   No Play List or Source Selected";

// Each pane has one record per row, in row order, each row shows its record's list, and
// every list of the model stands in exactly one row.
void ExpectPaneInStep(TAppForm& form, TListBox& box, const std::vector<ListInfo>& infos,
                      const std::vector<VT::ListPtr>& modelLists)
{
    ASSERT_EQ(box.Items().Count(), static_cast<int>(infos.size()));
    ASSERT_EQ(infos.size(), modelLists.size());
    for (std::size_t row = 0; row < infos.size(); ++row) {
        EXPECT_EQ(box.Items()[static_cast<int>(row)], form.ListEntryText(infos[row].Handle));
        EXPECT_EQ(infos[row].Name, infos[row].Handle->GetName());
    }
    for (const VT::ListPtr& list : modelLists) {
        const auto shown = std::count_if(infos.begin(), infos.end(),
                                         [&list](const ListInfo& info) { return info.Handle == list; });
        EXPECT_EQ(shown, 1) << list->GetName();
    }
}

void ExpectPanesInStep(TAppForm& form)
{
    ExpectPaneInStep(form, *form.SourceListBox, form.SourceInfos, form.Model.GetSources());
    ExpectPaneInStep(form, *form.PlaylistListBox, form.PlayListInfos, form.Model.GetPlayLists());
}

// A play list made by the user, as the play-list commands make one.
std::int32_t MakePlayList(TAppForm& form, const std::string& name)
{
    return form.AddPlayListEntry(form.Model.AddPlayList(SongList(name, 2)));
}

// Runs `action` once, right after the first row reached the pane: the load step that
// adds it has ended by then, and the next step has not begun.
void AfterFirstRow(TListBox& box, std::function<void()> action)
{
    auto* view = static_cast<QAbstractItemView*>(box.Widget());
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(view->model(), &QAbstractItemModel::rowsInserted, view,
                                   [connection, action = std::move(action)] {
                                       QObject::disconnect(*connection);
                                       QTimer::singleShot(0, action);
                                   });
}

TEST_F(Lifecycle, AnEmptyFolderStartsWithEmptyPanesNothingShownAndTheBeginnerHelp)
{
    StartAndLoad();
    EXPECT_EQ(Form().SourceListBox->Items().Count(), 0);
    EXPECT_EQ(Form().PlaylistListBox->Items().Count(), 0);
    EXPECT_EQ(Form().CurrentListLabel->Caption(), NothingShown);
    EXPECT_EQ(Form().Model.GetMode(), VT::Manager::NothingShown);
    EXPECT_TRUE(Form().HelpRunning);
    EXPECT_EQ(Form().HelpStep, 1);
    EXPECT_TRUE(Form().HelpTimer->Enabled());
    EXPECT_EQ(Form().QuickHelpPanel->Top(), Form().ClientHeight() - Form().QuickHelpPanel->Height());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Lifecycle, FirstActivationTakesThePlaceholdersTheHintTimingsAndTheFolder)
{
    Show();
    EXPECT_EQ(Form().SearchState.Title, "all titles");
    EXPECT_EQ(Form().SearchState.Artist, "all artists");
    EXPECT_EQ(Form().SearchState.Year, "all years");
    EXPECT_EQ(Form().SearchState.Genre, "all genres");
    EXPECT_TRUE(Form().SearchState.TitlePlaceholder && Form().SearchState.ArtistPlaceholder
                && Form().SearchState.YearFromList && Form().SearchState.GenrePlaceholder);
    EXPECT_EQ(Application->HintPause(), 400);
    EXPECT_EQ(Application->HintShortPause(), 0);
    EXPECT_EQ(Application->HintHidePause(), 10000);
    EXPECT_EQ(Form().ViewVars.ProgramFolder, Folder().Path());
}

TEST_F(Lifecycle, ALaterActivationStartsNoSecondLoad)
{
    WriteList(SongList("Jazz", 3), ".vts");
    StartAndLoad();
    Form().SearchState.Title = "typed";
    int activations = 0;
    Form().OnActivate = [this, &activations, first = Form().OnActivate] {
        ++activations;
        first();
    };
    TForm other;
    other.Show();
    ASSERT_TRUE(WaitUntil([&other] { return other.Active(); }));
    Form().Show();
    ASSERT_TRUE(WaitUntil([&activations] { return activations > 0; }));
    Testing::WaitForWorkers();
    EXPECT_EQ(Rows(*Form().SourceListBox), std::vector<std::string>{"Jazz (3)"});
    EXPECT_EQ(Form().SearchState.Title, "typed");
}

TEST_F(Lifecycle, LoadFillsThePanesWithNamesAndCountsAndSortsThePlayLists)
{
    WriteList(SongList("Jazz", 3), ".vts");
    WriteList(SongList("rock", 2), ".vtl");
    WriteList(SongList("Blues", 0), ".vtl");
    WriteList(SongList("Ambient", 12), ".vtl");
    StartAndLoad();
    EXPECT_EQ(Rows(*Form().SourceListBox), std::vector<std::string>{"Jazz (3)"});
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (std::vector<std::string>{"Ambient (12)", "Blues (0)", "rock (2)"}));
    ExpectPanesInStep(Form());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Lifecycle, AFolderThatCannotBeListedShowsBothMessagesAndTheLoadGoesOn)
{
    const std::string missing = Folder() / "missing/";
    Form().UseProgramFolder(missing);
    StartAndLoad();
    EXPECT_EQ(Messages(), (std::vector<std::string>{"There was an error loading Sources from : " + missing,
                                                    "There was an error loading Play Lists from : " + missing}));
    EXPECT_EQ(Form().SourceListBox->Items().Count(), 0);
    EXPECT_EQ(Form().PlaylistListBox->Items().Count(), 0);
    // The last two steps ran: no options file starts the beginner help, laid out in place.
    EXPECT_TRUE(Form().HelpRunning);
    EXPECT_EQ(Form().QuickHelpPanel->Top(), Form().ClientHeight() - Form().QuickHelpPanel->Height());
}

TEST_F(Lifecycle, ADamagedListFileDoesNotStopTheLoad)
{
    WriteList(SongList("Jazz", 1), ".vts");
    Folder().Write("Broken.vtl", "VTFILE\r\n-title-\r\nBroken\r\n");
    WriteList(SongList("Party", 4), ".vtl");
    Folder().Write("options.opt", "1\r\n0\r\n1\r\n0\r\n35\r\n250\r\n125\r\n100\r\n50\r\n80\r\n250\r\n0\r\n");
    StartAndLoad();
    EXPECT_EQ(Rows(*Form().SourceListBox), std::vector<std::string>{"Jazz (1)"});
    EXPECT_EQ(Rows(*Form().PlaylistListBox), std::vector<std::string>{"Party (4)"});
    EXPECT_EQ(Form().Model.GetMode(), VT::Manager::PlayListShown);
    EXPECT_EQ(Form().Model.GetSelected()->GetName(), "Party");
    EXPECT_FALSE(Form().HelpRunning);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Lifecycle, PlayListsMadeBeforeTheirLoadStepKeepTheirRowsAndStayShown)
{
    WriteList(SongList("Jazz", 3), ".vts");
    WriteList(SongList("Zydeco", 2), ".vtl");
    WriteList(SongList("Blues", 5), ".vtl");
    Form().LoadSources(VT::Manager::ReadSourceFiles(Folder().Path()));
    Form().SelectPlayList(MakePlayList(Form(), "Mine"));
    const VT::ListPtr mine = Form().Model.GetSelected();

    Form().LoadPlayLists(VT::Manager::ReadPlayListFiles(Folder().Path()));

    ExpectPanesInStep(Form());
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (std::vector<std::string>{"Blues (5)", "Mine (2)", "Zydeco (2)"}));
    EXPECT_TRUE(Form().Model.GetSelected() == mine);
    EXPECT_EQ(Form().ShownRow(), 1);
}

TEST_F(Lifecycle, WhatTheUserDoesBetweenTheWorkersStepsNeverPutsRowsOutOfStep)
{
    WriteList(SongList("Jazz", 3), ".vts");
    WriteList(SongList("Zydeco", 2), ".vtl");
    WriteList(SongList("Blues", 5), ".vtl");
    bool acted = false;
    AfterFirstRow(*Form().SourceListBox, [this, &acted] {
        ASSERT_EQ(Form().PlaylistListBox->Items().Count(), 0);
        Form().SelectSource(0);
        Form().SelectPlayList(MakePlayList(Form(), "Mine"));
        acted = true;
    });
    StartAndLoad();
    ASSERT_TRUE(acted);
    ExpectPanesInStep(Form());
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (std::vector<std::string>{"Blues (5)", "Mine (2)", "Zydeco (2)"}));
    EXPECT_EQ(Form().Model.GetSelected()->GetName(), "Mine");
}

TEST_F(Lifecycle, ClosingSavesTheOptionsAndEveryListUnchangedListsByteForByte)
{
    const std::string jazz = WriteList(SongList("Jazz", 3), ".vts");
    const std::string party = WriteList(SongList("Party", 4), ".vtl");
    StartAndLoad();
    Form().Model.AddPlayList(SongList("New", 1));
    CloseByUser();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(Folder().Read("Jazz.vts"), jazz);
    EXPECT_EQ(Folder().Read("Party.vtl"), party);
    EXPECT_TRUE(Folder().Exists("New.vtl"));
    EXPECT_TRUE(Folder().Exists("options.opt"));
}

TEST_F(Lifecycle, ADisabledWindowRefusesItsCloseBox)
{
    StartAndLoad();
    Form().SetEnabled(false);
    CloseByUser();
    EXPECT_FALSE(Application->Terminated());
    EXPECT_TRUE(Form().Visible());
    EXPECT_FALSE(Folder().Exists("options.opt"));

    Form().SetEnabled(true);
    CloseByUser();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_TRUE(Folder().Exists("options.opt"));
}

TEST_F(Lifecycle, WithoutAProgramFolderClosingWritesNothing)
{
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(Folder().Path());
    Form().UseProgramFolder("");
    Form().Model.AddPlayList(SongList("Loose", 1));
    CloseByUser();
    std::filesystem::current_path(before);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(Folder().Exists("options.opt"));
    EXPECT_FALSE(Folder().Exists("Loose.vtl"));
}

TEST_F(Lifecycle, ClosingDuringTheLoadSavesWhatIsLoadedAndRunsNoLaterStep)
{
    const std::string jazz = WriteList(SongList("Jazz", 3), ".vts");
    const std::string party = WriteList(SongList("Party", 4), ".vtl");
    Folder().Write("options.opt", "1\r\n0\r\n1\r\n0\r\n35\r\n99\r\n125\r\n100\r\n50\r\n80\r\n250\r\n0\r\n");
    AfterFirstRow(*Form().SourceListBox, [this] { CloseByUser(); });
    Show();
    Testing::WaitForWorkers();

    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(Rows(*Form().SourceListBox), std::vector<std::string>{"Jazz (3)"});
    EXPECT_EQ(Form().PlaylistListBox->Items().Count(), 0);
    EXPECT_TRUE(Form().Model.GetPlayLists().empty());
    EXPECT_EQ(Form().mp3ListView->Columns()[1].Width(), 250);
    EXPECT_EQ(Folder().Read("Jazz.vts"), jazz);
    EXPECT_EQ(Folder().Read("Party.vtl"), party);
    EXPECT_EQ(Folder().Read("options.opt"), "0\r\n1\r\n2\r\n-1\r\n35\r\n250\r\n125\r\n100\r\n50\r\n80\r\n250\r\n0\r\n");
}

} // namespace
