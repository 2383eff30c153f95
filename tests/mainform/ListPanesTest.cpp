#include "tests/mainform/AppFormFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <set>

namespace {

using ListPanes = ListFormFixture;

void MoveMouse(TListBox& box, int x, int y)
{
    const QPoint at(x, y);
    QMouseEvent move(QEvent::MouseMove, at, box.ClientWidget()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(box.ClientWidget(), &move);
}

int ArrowTopAt(TListBox& box, int row)
{
    return box.Parent()->Top() + box.Top() + box.ItemRect(row).Top + 2;
}

TEST_F(ListPanes, AnEmptyFolderShowsTheGreyNothingShownState)
{
    StartAndLoad();
    EXPECT_EQ(Status(), "   No Play List or Source Selected");
    EXPECT_FALSE(Form().SearchGroupBox->Enabled());
    EXPECT_EQ(Form().SearchGroupBox->Color(), clSilver);
    EXPECT_EQ(Form().TitleEdit->Color(), 14145495u);
    EXPECT_TRUE(Form().SFSGrey->Visible());
    EXPECT_FALSE(Form().SFSGreen->Visible() || Form().SFSBrown->Visible());
    EXPECT_FALSE(Form().mp3ListView->Enabled());
    EXPECT_EQ(Form().mp3ListView->Items().Count(), 0);
    EXPECT_FALSE(Form().ArrowPanel->Visible());
}

TEST_F(ListPanes, AClickOnARowShowsItsListWithTheArrowBesideIt)
{
    AddSource(SongList("Music", 3));
    AddPlayList(SongList("Rock", 12));
    ClickRow(*Form().SourceListBox, 0);
    EXPECT_EQ(Status(), "   Viewing Library \"Music\" (3 songs)");
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Music 1", "Music 2", "Music 3"}));
    EXPECT_EQ(Form().SourceListBox->ItemIndex(), 0);
    ClickRow(*Form().PlaylistListBox, 0, true);
    EXPECT_EQ(Status(), "   Viewing Play List \"Rock\" (12 songs)");
    EXPECT_EQ(Form().SourceListBox->ItemIndex(), -1);
    EXPECT_EQ(Form().PlaylistListBox->ItemIndex(), 0);
    EXPECT_EQ(Form().ViewVars.ShownIndex, 0);
    ASSERT_TRUE(Form().ArrowPanel->Visible());
    EXPECT_EQ(Form().ArrowPanel->Top(), ArrowTopAt(*Form().PlaylistListBox, 0));
    EXPECT_EQ(Form().ArrowPanel->Left() + Form().ArrowPanel->Width(),
              Form().PlaylistListBox->Left() + Form().PlaylistListBox->ClientWidth());
}

TEST_F(ListPanes, AClickBelowTheRowsShowsNothingNew)
{
    AddSource(SongList("Music", 3));
    ClickRow(*Form().SourceListBox, 0);
    QTest::mouseClick(Form().PlaylistListBox->ClientWidget(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(Form().SourceListBox->ClientWidget(), Qt::LeftButton, {}, QPoint(10, 150));
    EXPECT_EQ(Status(), "   Viewing Library \"Music\" (3 songs)");
    EXPECT_EQ(Form().Model.GetMode(), VT::Manager::SourceShown);
}

TEST_F(ListPanes, HintsNameTheListUnderThePointer)
{
    AddSource(SongList("Music", 3));
    AddPlayList(SongList("Rock", 12));
    MoveMouse(*Form().SourceListBox, 10, 5);
    EXPECT_TRUE(Form().SourceListBox->ShowHint());
    EXPECT_EQ(Form().SourceListBox->Hint(), "\"Music\" folder has 3 songs");
    MoveMouse(*Form().PlaylistListBox, 10, 5);
    EXPECT_EQ(Form().PlaylistListBox->Hint(), "\"Rock\" playlist has 12 songs");
    MoveMouse(*Form().PlaylistListBox, 10, 100);
    EXPECT_FALSE(Form().PlaylistListBox->ShowHint());
}

TEST_F(ListPanes, TheSortFoldsOnlyCapitalsAToZAndComparesOtherBytesUnsigned)
{
    for (const char* name : {"b", "\xC4z", "A", "\xE4" "a", "_x", "Zed", "a2"})
        AddPlayList(SongList(name, 0));
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (std::vector<std::string>{"_x (0)", "A (0)", "a2 (0)", "b (0)", "Zed (0)",
                                                                         "\xC4z (0)", "\xE4" "a (0)"}));
}

TEST_F(ListPanes, NamesThatDifferOnlyInCaseKeepTheOrderTheyCameIn)
{
    std::vector<std::int32_t> rows;
    for (const char* name : {"rock", "Rock", "Pop", "ROCK"}) {
        const VT::ListPtr list = Form().Model.AddPlayList(SongList(name, 1));
        rows.push_back(Form().AddPlayListEntry(list));
        EXPECT_EQ(Form().PlayListInfos[rows.back()].Handle, list);
    }
    EXPECT_EQ(rows, (std::vector<std::int32_t>{0, 1, 0, 3}));
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (std::vector<std::string>{"Pop (1)", "rock (1)", "Rock (1)", "ROCK (1)"}));
}

struct UniqueNameCase {
    std::vector<std::string> existing;
    std::string requested;
    std::string expected;
};

TEST_F(ListPanes, UniqueNamesCountOnFromTheHighestNumberAfterTheBase)
{
    const std::vector<UniqueNameCase> cases{
        {{}, "My Playlist", "My Playlist"},
        {{"My Playlist"}, "My Playlist", "My Playlist 2"},
        {{"My Playlist", "My Playlist 5"}, "My Playlist", "My Playlist 6"},
        {{"Rockabilly"}, "Rock", "Rock 2"},
        {{"Best of"}, "Best of b2", "Best of 2"},
        {{"Mix5"}, "Mix5", "Mix5 2"},
        {{"Mix 007"}, "Mix", "Mix 8"},
        {{}, "", ""},
        {{"a", "b 7"}, "", " 8"},
        {{"Mix 2147483647"}, "Mix", "Mix 2147483648"},
        {{"Mix 99999999999999999999", "Mix 3"}, "Mix 1", "Mix 100000000000000000000"},
    };
    for (const UniqueNameCase& test : cases) {
        Restart();
        for (const std::string& name : test.existing)
            Form().AddPlayListEntry(Form().Model.AddPlayList(SongList(name, 0)));
        EXPECT_EQ(Form().MakeUniqueListName(test.requested), test.expected) << test.requested;
    }
}

TEST_F(ListPanes, AUniqueNameIsNeverTheNameOfAPlayList)
{
    std::set<std::string> names{"Mix 2147483647", "Mix 4294967295", "Mix 18446744073709551615", "Mix5"};
    for (const std::string& name : names)
        Form().AddPlayListEntry(Form().Model.AddPlayList(SongList(name, 0)));
    for (const char* request : {"Mix", "Mix 5", "", "Mix 18446744073709551615", "Mix5", "Mix"}) {
        const std::string name = Form().MakeUniqueListName(request);
        EXPECT_FALSE(names.contains(name)) << name;
        names.insert(name);
        Form().AddPlayListEntry(Form().Model.AddPlayList(SongList(name, 0)));
    }
    EXPECT_TRUE(names.contains("Mix 18446744073709551618"));
}

TEST_F(ListPanes, TheShownPlayListIsFollowedByItsHandleThroughAReSort)
{
    AddSource(SongList("Music", 2));
    AddPlayList(SongList("b", 2));
    const VT::ListPtr m = AddPlayList(SongList("m", 3));
    ClickRow(*Form().PlaylistListBox, 1);
    Form().TitleEditClick();
    Form().TitleEdit->SetText("m 1");
    AddPlayList(SongList("a", 1));
    EXPECT_EQ(Form().ShownRow(), 2);
    EXPECT_EQ(Form().PlaylistListBox->ItemIndex(), 2);
    Form().Model.AddSongs({MakeSong("m 1 again")}, m);
    Form().RefreshSongView();
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (std::vector<std::string>{"a (1)", "b (2)", "m (4)"}));
    EXPECT_EQ(Status(), "   Searching Play List \"m\" (2 of 4 songs)");
    EXPECT_EQ(Form().ArrowPanel->Top(), ArrowTopAt(*Form().PlaylistListBox, 2));
    ClickRow(*Form().SourceListBox, 0);
    EXPECT_EQ(Form().PlayListInfos[2].SearchState.Title, "m 1");
    EXPECT_TRUE(Form().PlayListInfos[1].SearchState.TitlePlaceholder);
    ClickRow(*Form().PlaylistListBox, 2);
    EXPECT_EQ(Form().TitleEdit->Text(), "m 1");
    EXPECT_EQ(Column(1), (std::vector<std::string>{"m 1", "m 1 again"}));
}

TEST_F(ListPanes, AHighlightedRowThatIsNotTheShownOneIsNotActedOn)
{
    AddSource(SongList("Music", 2));
    AddPlayList(SongList("b", 2));
    AddPlayList(SongList("m", 3));
    ClickRow(*Form().PlaylistListBox, 0);
    Form().PlaylistListBox->SetItemIndex(1);
    Form().RefreshSongView();
    Form().UpdateListArrow();
    EXPECT_EQ(Status(), "   Viewing Play List \"b\" (2 songs)");
    EXPECT_EQ(Form().ArrowPanel->Top(), ArrowTopAt(*Form().PlaylistListBox, 0));
    Form().TitleEditClick();
    Form().SelectSource(0);
    EXPECT_FALSE(Form().PlayListInfos[0].SearchState.TitlePlaceholder);
    EXPECT_TRUE(Form().PlayListInfos[1].SearchState.TitlePlaceholder);
}

TEST_F(ListPanes, TheArrowHidesWhileTheShownRowIsScrolledOutOfView)
{
    for (int i = 0; i < 30; ++i)
        AddPlayList(SongList("List " + std::to_string(10 + i), 1));
    ClickRow(*Form().PlaylistListBox, 0);
    ASSERT_TRUE(Form().ArrowPanel->Visible());
    Form().PlaylistListBox->SetTopIndex(20);
    Form().UpdateListArrow();
    EXPECT_FALSE(Form().ArrowPanel->Visible());
    Form().PlaylistListBox->SetTopIndex(0);
    Form().UpdateListArrow();
    EXPECT_TRUE(Form().ArrowPanel->Visible());
}

TEST_F(ListPanes, ShowingAListAfterNothingWasShownSavesNoSearchState)
{
    AddSource(SongList("Music", 2));
    AddPlayList(SongList("Rock", 2));
    ClickRow(*Form().SourceListBox, 0);
    Form().ShowNoSelection();
    EXPECT_EQ(Form().Model.GetMode(), VT::Manager::NothingShown);
    EXPECT_EQ(Form().mp3ListView->Items().Count(), 0);
    EXPECT_FALSE(Form().ArrowPanel->Visible());
    EXPECT_EQ(Form().SourceListBox->ItemIndex(), 0);
    Form().TitleEditClick();
    ClickRow(*Form().PlaylistListBox, 0);
    EXPECT_TRUE(Form().SourceInfos[0].SearchState.TitlePlaceholder);
    EXPECT_EQ(Form().TitleEdit->Text(), "all titles");
}

} // namespace
