#include "tests/mainform/AppFormFixture.h"

#include "mainform/StatusLine.h"
#include "platform/Separator.h"

#include <QTest>
#include <QWindow>

#include <functional>
#include <tuple>

namespace {

TEST(StatusLine, TellsAWholeListFromASearchAndCountsTheSongsShown)
{
    const std::vector<std::pair<ShownSongCount, std::string>> cases{
        {{2, 4, false, 4}, NothingShownText},
        {{1, 4, false, 12}, "   Searching Play List \"Rock\" (4 of 12 songs)"},
        {{1, 1, true, 12}, "   Searching Play List \"Rock\" (0 of 12 songs)"},
        {{1, 1, true, 1}, "   Viewing Play List \"Rock\" (0 songs)"},
        {{1, 1, true, 0}, "   Viewing Play List \"Rock\" (0 songs)"},
        {{0, 3, false, 3}, "   Viewing Library \"Rock\" (3 songs)"},
        {{0, 1, false, 3}, "   Searching Library \"Rock\" (1 of 3 songs)"},
    };
    for (const auto& [shown, expected] : cases)
        EXPECT_EQ(StatusLineText(shown, "Rock"), expected);
}

using SongView = ListFormFixture;

// Four songs whose artists and albums run in different orders.
const VT::PlayList Mixed = ListOf("Music", {Make({.title = "t1", .artist = "B", .album = "y"}),
                                            Make({.title = "t2", .artist = "D", .album = "w"}),
                                            Make({.title = "t3", .artist = "A", .album = "x"}),
                                            Make({.title = "t4", .artist = "C", .album = "z"})});

// A mouse-up over a row takes the song's file back from the row's texts. A song taken
// back holds no path or type, also in what a list file would hold.
TEST_F(SongView, RowsShowTheirNumberAndTheSongsTextsInColumnOrder)
{
    ShowSource(ListOf("Music", {Titled("One"), Make({.title = "Two", .artist = "Ann", .album = "Al", .genre = "Pop",
                                                     .year = "1962", .fileName = "2.mp3", .folder = "/music",
                                                     .path = "/old/2.mp3", .type = "mp3"})}));
    const TListItem second = Form().mp3ListView->Items().Item(1);
    EXPECT_EQ(second.Caption(), "2");
    EXPECT_EQ(second.SubItems(), (Strings{"Two", "Ann", "Al", "1962", "Pop", "2.mp3", "/music"}));
    std::string record;
    Form().SongFromItem(1).Write(record);
    EXPECT_EQ(record, "SONG\r\nTwo\r\nAnn\r\nAl\r\nPop\r\n1962\r\n2.mp3\r\n/music\r\n\r\n\r\nEND SONG\r\n");
    ClickSongRow(1);
    const std::string path = "/music" + std::string(1, Platform::Separator) + "2.mp3";
    EXPECT_EQ(Form().ViewVars.ClickedSongPath, path);
    ClickSongRow(10, true);
    EXPECT_EQ(Form().ViewVars.ClickedSongPath, path);
}

// Keys reach whatever has the focus, through the window: the view gone grey leaves it to
// no search box, so Ctrl+Z undoes the deletion and a typed key filters nothing.
TEST_F(SongView, AListWithoutSongsOrASearchThatFindsNoneShowsOneDisabledRow)
{
    const VT::ListPtr rock = ShowPlayList(SongList("Rock", 2));
    const auto press = [window = Form().Widget()->windowHandle()](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        Testing::ProcessIdle();
        QTest::keyClick(window, key, modifiers);
    };
    ClickSongRow(0);
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_Delete);
    EXPECT_EQ(Column(1), Strings{"(No Songs)"});
    EXPECT_FALSE(Form().mp3ListView->Enabled());
    press(Qt::Key_Q);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Titles(*rock), (Strings{"Rock 1", "Rock 2"}));
    EXPECT_EQ(Form().TitleEdit->Text(), "all titles");
    ShowPlayList(SongList("Twelve", 12));
    Type(*Form().TitleEdit, "zzz");
    EXPECT_EQ(Column(1), Strings{"(No Songs Found)"});
    EXPECT_EQ(Status(), "   Searching Play List \"Twelve\" (0 of 12 songs)");
}

// The row number and the hidden path columns give no sort key: a click there turns only
// the direction, and the view is not refreshed. A source is sorted also under a search.
TEST_F(SongView, ANewColumnKeepsTheDirectionAndTheSameColumnReversesIt)
{
    const VT::ListPtr source = ShowSource(Mixed);
    Form().CurrentListLabel->SetCaption("not refreshed");
    ClickColumn(0);
    Form().mp3ListViewColumnClick(7);
    EXPECT_EQ(Status(), "not refreshed");
    EXPECT_EQ(Titles(*source), (Strings{"t1", "t2", "t3", "t4"}));
    ClickColumn(2);
    EXPECT_EQ(Column(2), (Strings{"D", "C", "B", "A"}));
    ClickColumn(2);
    EXPECT_EQ(Column(2), (Strings{"A", "B", "C", "D"}));
    ClickColumn(3);
    EXPECT_EQ(Column(3), (Strings{"w", "x", "y", "z"}));
    Type(*Form().TitleEdit, "t1");
    ClickColumn(3);
    EXPECT_EQ(Titles(*source), (Strings{"t4", "t1", "t3", "t2"}));
    EXPECT_EQ(Column(1), Strings{"t1"});
}

TEST_F(SongView, SortingAWholePlayListReordersItWithoutAnUndoStep)
{
    const VT::ListPtr rock = AddPlayList(SongList("Rock", 2));
    Form().Model.AddSongs({Titled("Rock 0")}, rock);
    ClickRow(*Form().PlaylistListBox, 0);
    const std::size_t steps = Form().Model.History().Size();
    ClickColumn(1);
    EXPECT_EQ(Titles(*rock), (Strings{"Rock 0", "Rock 1", "Rock 2"}));
    EXPECT_EQ(Form().Model.History().Size(), steps);
    Form().Model.Undo();
    Form().Model.Redo();
    EXPECT_EQ(Titles(*rock), (Strings{"Rock 1", "Rock 2", "Rock 0"}));
}

TEST_F(SongView, SortingAPlayListNarrowedByASearchLeavesItsOrder)
{
    const VT::ListPtr rock = ShowPlayList(SongList("Rock", 12));
    Type(*Form().TitleEdit, "Rock 1");
    ClickColumn(1);
    ClickColumn(1);
    EXPECT_EQ(Column(1), (Strings{"Rock 1", "Rock 10", "Rock 11", "Rock 12"}));
    EXPECT_EQ(Titles(*rock), Titles(SongList("Rock", 12)));
}

TEST_F(SongView, APlaceholderRowIsNeverTakenAsASong)
{
    ShowPlayList(SongList("One", 1));
    ClickSongRow(0);
    ASSERT_EQ(Form().mp3ListView->SelCount(), 1);
    const std::string clicked = Form().ViewVars.ClickedSongPath;
    Type(*Form().TitleEdit, "zzz");
    EXPECT_EQ(Form().mp3ListView->SelCount(), 0);
    Form().mp3ListView->SetSelected(0, true);
    EXPECT_EQ(Form().mp3ListView->SelCount(), 0);
    EXPECT_THROW(Form().SongFromItem(0), VT::not_in_range);
    Form().mp3ListViewMouseUp(mbLeft, {}, 5, 5);
    EXPECT_EQ(Form().ViewVars.ClickedSongPath, clicked);
}

TEST_F(SongView, TheButtonsFollowWhatIsShownAndSelected)
{
    AddSource(SongList("Music", 2));
    AddPlayList(SongList("Silent", 0));
    ShowPlayList(SongList("Rock", 2));
    EXPECT_TRUE(Form().Play->Enabled());
    EXPECT_TRUE(Form().CreateFolderButton->Enabled());
    EXPECT_FALSE(Form().AddSongButton->Enabled());
    ClickSongRow(0);
    EXPECT_TRUE(Form().AddSongButton->Enabled());
    ClickRow(*Form().SourceListBox, 0);
    EXPECT_FALSE(Form().CreateFolderButton->Enabled());
    ClickRow(*Form().PlaylistListBox, 1);
    EXPECT_FALSE(Form().Play->Enabled());
}

// Which of the three pictures each look shows, and whether the search box and the view
// take input.
TEST_F(SongView, EachKindOfListHasItsLook)
{
    AddSource(SongList("Music", 2));
    AddPlayList(SongList("Rock", 2));
    const std::vector<std::tuple<std::function<void()>, TImage*, bool>> looks{
        {[this] { ClickRow(*Form().PlaylistListBox, 0); }, Form().SFSGreen, true},
        {[this] { ClickRow(*Form().SourceListBox, 0); }, Form().SFSBrown, true},
        {[this] { Form().ShowNoSelection(); }, Form().SFSGrey, false},
    };
    for (const auto& [show, picture, live] : looks) {
        show();
        EXPECT_EQ(Form().SearchGroupBox->Enabled(), live);
        EXPECT_EQ(Form().mp3ListView->Enabled(), live);
        for (TImage* sfs : {Form().SFSGreen, Form().SFSBrown, Form().SFSGrey})
            EXPECT_EQ(sfs->Visible(), sfs == picture);
    }
}

} // namespace
