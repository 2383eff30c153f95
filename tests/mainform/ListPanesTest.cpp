#include "tests/mainform/AppFormFixture.h"

#include "mainform/UniqueListName.h"

#include <QTest>

namespace {

using ListPanes = ListFormFixture;

TEST(UniqueListName, CountsOnFromTheHighestNumberAfterTheBase)
{
    const std::vector<std::tuple<std::vector<std::string>, std::string, std::string>> cases{
        {{}, "My Playlist", "My Playlist"},
        {{"My Playlist"}, "My Playlist", "My Playlist 2"},
        {{"My Playlist", "My Playlist 5"}, "My Playlist", "My Playlist 6"},
        {{"my playlist"}, "My Playlist", "My Playlist"},
        {{"Rockabilly"}, "Rock", "Rock 2"},
        {{"Best of"}, "Best of b2", "Best of 2"},
        {{"Mix5"}, "Mix5", "Mix5 2"},
        {{"Mix 007"}, "Mix", "Mix 8"},
        {{"Mix 9", "Mix 10"}, "Mix", "Mix 11"},
        {{}, "", ""},
        {{"a", "b 7"}, "", " 8"},
        {{"Mix 2147483647"}, "Mix", "Mix 2147483648"},
        {{"Mix 99999999999999999999", "Mix 3"}, "Mix 1", "Mix 100000000000000000000"},
    };
    for (const auto& [existing, requested, expected] : cases)
        EXPECT_EQ(UniqueListName(requested, existing), expected) << requested;
}

int ArrowTopAt(TListBox& box, int row)
{
    return box.Parent()->Top() + box.Top() + box.ItemRect(row).Top + 2;
}

// Hints name the list under the pointer.
TEST_F(ListPanes, AClickOnARowShowsItsListWithTheArrowBesideIt)
{
    AddSource(SongList("Music", 3));
    AddPlayList(SongList("Rock", 12));
    ClickRow(*Form().SourceListBox, 0);
    EXPECT_EQ(Status(), "   Viewing Library \"Music\" (3 songs)");
    ClickRow(*Form().PlaylistListBox, 0, true);
    EXPECT_EQ(Status(), "   Viewing Play List \"Rock\" (12 songs)");
    EXPECT_EQ(Form().SourceListBox->ItemIndex(), -1);
    EXPECT_EQ(Form().PlaylistListBox->ItemIndex(), 0);
    ASSERT_TRUE(Form().ArrowPanel->Visible());
    EXPECT_EQ(Form().ArrowPanel->Top(), ArrowTopAt(*Form().PlaylistListBox, 0));
    EXPECT_EQ(Form().ArrowPanel->Left() + Form().ArrowPanel->Width(),
              Form().PlaylistListBox->Left() + Form().PlaylistListBox->ClientWidth());
    TestSupport::MoveMouse(Form().SourceListBox->ClientWidget(), QPoint(10, 5));
    EXPECT_EQ(Form().SourceListBox->Hint(), "\"Music\" folder has 3 songs");
    TestSupport::MoveMouse(Form().PlaylistListBox->ClientWidget(), QPoint(10, 5));
    EXPECT_EQ(Form().PlaylistListBox->Hint(), "\"Rock\" playlist has 12 songs");
    TestSupport::MoveMouse(Form().PlaylistListBox->ClientWidget(), QPoint(10, 100));
    EXPECT_FALSE(Form().PlaylistListBox->ShowHint());
}

// Only A to Z fold, other bytes compare unsigned, and names equal but for case keep the
// order they came in; each new row is where its own list stands.
TEST_F(ListPanes, ThePlayListPaneStaysSortedByName)
{
    for (const char* name : {"rock", "b", "\xC4z", "Rock", "A", "\xE4" "a", "_x", "ROCK", "a2"}) {
        const VT::ListPtr list = Form().Model.AddPlayList(SongList(name, 0));
        EXPECT_TRUE(Form().PlayListInfos[Form().AddPlayListEntry(list)].Handle == list) << name;
    }
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (Strings{"_x (0)", "A (0)", "a2 (0)", "b (0)", "rock (0)", "Rock (0)",
                                                      "ROCK (0)", "\xC4z (0)", "\xE4" "a (0)"}));
}

TEST_F(ListPanes, TheShownPlayListIsFollowedThroughAReSort)
{
    AddSource(SongList("Music", 2));
    AddPlayList(SongList("b", 2));
    const VT::ListPtr m = ShowPlayList(SongList("m", 3));
    Type(*Form().TitleEdit, "m 1");
    AddPlayList(SongList("a", 1));
    EXPECT_EQ(Form().PlaylistListBox->ItemIndex(), 2);
    EXPECT_EQ(Form().ArrowPanel->Top(), ArrowTopAt(*Form().PlaylistListBox, 2));
    Form().Model.AddSongs({Titled("m 1 again")}, m);
    Form().RefreshSongView();
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (Strings{"a (1)", "b (2)", "m (4)"}));
    EXPECT_EQ(Column(1), (Strings{"m 1", "m 1 again"}));
    ClickRow(*Form().SourceListBox, 0);
    EXPECT_EQ(Form().PlayListInfos[2].SearchState.Title, "m 1");
    EXPECT_TRUE(Form().PlayListInfos[1].SearchState.TitlePlaceholder);
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

// Above the box or below it.
TEST_F(ListPanes, TheArrowHidesWhileTheShownRowIsScrolledOutOfView)
{
    for (int i = 0; i < 30; ++i)
        AddPlayList(SongList("List " + std::to_string(10 + i), 1));
    for (const auto& [shown, top] : std::vector<std::pair<int, int>>{{0, 20}, {29, 0}}) {
        Form().SelectPlayList(shown);
        ASSERT_TRUE(Form().ArrowPanel->Visible());
        Form().PlaylistListBox->SetTopIndex(top);
        Form().UpdateListArrow();
        EXPECT_FALSE(Form().ArrowPanel->Visible()) << shown;
    }
}

// Close Folder's Ctrl+Del and Delete's Shift+Del act on the press, Delete in a pane on its
// release; held down, each deletes the shown list only, and no row stays highlighted.
TEST_F(ListPanes, AHeldDeleteKeyDeletesOneListAndLeavesNoRowHighlighted)
{
    for (TListBox* box : {Form().SourceListBox, Form().PlaylistListBox}) {
        const bool sources = box == Form().SourceListBox;
        for (const char* name : {"a", "b", "c"})
            sources ? AddSource(SongList(name, 1)) : AddPlayList(SongList(name, 1));
        for (const Qt::KeyboardModifier modifier : {sources ? Qt::ControlModifier : Qt::ShiftModifier, Qt::NoModifier}) {
            ClickRow(*box, 0);
            Testing::ProcessIdle();
            TestSupport::HoldKey(box->Widget(), Qt::Key_Delete, modifier, 3);
            EXPECT_EQ(box->ItemIndex(), -1) << modifier;
        }
        EXPECT_EQ(Rows(*box), Strings{"c (1)"});
    }
}

TEST_F(ListPanes, ShowingAListAfterNothingWasShownSavesNoSearchState)
{
    ShowSource(SongList("Music", 2));
    AddPlayList(SongList("Rock", 2));
    Form().ShowNoSelection();
    Form().TitleEditClick();
    ClickRow(*Form().PlaylistListBox, 0);
    EXPECT_TRUE(Form().SourceInfos[0].SearchState.TitlePlaceholder);
    EXPECT_EQ(Form().TitleEdit->Text(), "all titles");
}

} // namespace
