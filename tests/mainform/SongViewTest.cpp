#include "tests/mainform/AppFormFixture.h"

#include "platform/Separator.h"

#include <QHeaderView>
#include <QTableView>
#include <QTest>

namespace {

class SongView : public ListFormFixture {
protected:
    // The title box given a text as if typed after its placeholder was cleared.
    void SearchTitle(const std::string& text)
    {
        Form().TitleEditClick();
        Form().TitleEdit->SetText(text);
    }

    // A click in the song view's title column at the height of a row, which may lie below
    // the last row.
    void ClickSongRow(int row, bool rightButton = false)
    {
        const int height = static_cast<QTableView*>(Form().mp3ListView->Widget())->verticalHeader()->defaultSectionSize();
        QTest::mouseClick(Form().mp3ListView->ClientWidget(), rightButton ? Qt::RightButton : Qt::LeftButton, {},
                          QPoint(40, row * height + height / 2));
    }

    static std::vector<std::string> Titles(const VT::ListPtr& list)
    {
        std::vector<std::string> titles;
        for (const VT::Song& song : list->songs)
            titles.push_back(song.GetTitle());
        return titles;
    }

    // Four songs whose artists and albums run in different orders.
    VT::ListPtr ShowMixedSource()
    {
        VT::PlayList list = ListOf("Music", {MakeSong("t1", "B"), MakeSong("t2", "D"), MakeSong("t3", "A"),
                                             MakeSong("t4", "C")});
        const std::vector<std::string> albums{"y", "w", "x", "z"};
        for (std::size_t i = 0; i < albums.size(); ++i)
            list.songs[i].SetAlbum(albums[i]);
        const VT::ListPtr source = AddSource(list);
        ClickRow(*Form().SourceListBox, 0);
        return source;
    }
};

TEST_F(SongView, RowsShowTheirNumberAndTheSongsTextsInColumnOrder)
{
    AddSource(SongList("Music", 2));
    ClickRow(*Form().SourceListBox, 0);
    const TListItem second = Form().mp3ListView->Items().Item(1);
    EXPECT_EQ(second.Caption(), "2");
    EXPECT_EQ(second.SubItems(),
              (std::vector<std::string>{"Music 2", "Artist 2", "Album", "1962", "Rock", "Music 2.mp3", "/music/Music"}));
    const VT::Song song = Form().SongFromItem(1);
    EXPECT_EQ(song, Form().ShownSongs->songs[1]);
    EXPECT_EQ(song.GetFullFileName(), "/music/Music" + std::string(1, Platform::Separator) + "Music 2.mp3");
    EXPECT_TRUE(song.GetPath().empty());
}

TEST_F(SongView, AnEmptyListShowsOneDisabledNoSongsRow)
{
    AddPlayList(SongList("Empty", 0));
    ClickRow(*Form().PlaylistListBox, 0);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"(No Songs)"}));
    EXPECT_FALSE(Form().mp3ListView->Enabled());
    EXPECT_EQ(Status(), "   Viewing Play List \"Empty\" (0 songs)");
}

TEST_F(SongView, TheStatusLineCountsWhatTheSearchLeaves)
{
    AddPlayList(SongList("Twelve", 12));
    AddPlayList(SongList("One", 1));
    AddSource(SongList("Music", 3));
    ClickRow(*Form().PlaylistListBox, 1);
    SearchTitle("zzz");
    EXPECT_EQ(Column(1), (std::vector<std::string>{"(No Songs Found)"}));
    EXPECT_EQ(Status(), "   Searching Play List \"Twelve\" (0 of 12 songs)");
    Form().TitleEdit->SetText("Twelve 1");
    EXPECT_EQ(Status(), "   Searching Play List \"Twelve\" (4 of 12 songs)");
    Form().TitleEdit->SetText("Twelve");
    EXPECT_EQ(Status(), "   Viewing Play List \"Twelve\" (12 songs)");
    ClickRow(*Form().PlaylistListBox, 0);
    SearchTitle("zzz");
    EXPECT_EQ(Status(), "   Viewing Play List \"One\" (0 songs)");
    ClickRow(*Form().SourceListBox, 0);
    SearchTitle("Music 2");
    EXPECT_EQ(Status(), "   Searching Library \"Music\" (1 of 3 songs)");
}

TEST_F(SongView, ANewColumnKeepsTheDirectionAndTheSameColumnReversesIt)
{
    const VT::ListPtr source = ShowMixedSource();
    ClickColumn(2);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"A", "B", "C", "D"}));
    ClickColumn(2);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"D", "C", "B", "A"}));
    ClickColumn(3);
    EXPECT_EQ(Column(3), (std::vector<std::string>{"z", "y", "x", "w"}));
    ClickColumn(3);
    EXPECT_EQ(Column(3), (std::vector<std::string>{"w", "x", "y", "z"}));
    EXPECT_EQ(Titles(source), (std::vector<std::string>{"t2", "t3", "t1", "t4"}));
}

TEST_F(SongView, TheRowNumberColumnOnlyTurnsTheDirection)
{
    const VT::ListPtr source = ShowMixedSource();
    Form().CurrentListLabel->SetCaption("not refreshed");
    ClickColumn(0);
    EXPECT_EQ(Form().SortDirection, -1);
    EXPECT_EQ(Status(), "not refreshed");
    EXPECT_EQ(Titles(source), (std::vector<std::string>{"t1", "t2", "t3", "t4"}));
    ClickColumn(1);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"t4", "t3", "t2", "t1"}));
}

TEST_F(SongView, TheHiddenPathColumnSortsNothing)
{
    const VT::ListPtr source = ShowMixedSource();
    Form().mp3ListViewColumnClick(7);
    Form().mp3ListViewColumnClick(7);
    EXPECT_EQ(Titles(source), (std::vector<std::string>{"t1", "t2", "t3", "t4"}));
    EXPECT_EQ(Column(1), Titles(source));
}

TEST_F(SongView, ASourceIsSortedWhereItLiesWithoutACopyAlsoUnderASearch)
{
    const VT::ListPtr source = ShowMixedSource();
    const VT::PlayList* stored = source.Share().get();
    EXPECT_EQ(Form().ShownSongs.get(), stored);
    ClickColumn(2);
    EXPECT_EQ(source.Share().get(), stored);
    EXPECT_EQ(Form().ShownSongs.get(), stored);
    EXPECT_EQ(Titles(source), (std::vector<std::string>{"t3", "t1", "t4", "t2"}));
    SearchTitle("t1");
    ClickColumn(3);
    EXPECT_EQ(Titles(source), (std::vector<std::string>{"t2", "t3", "t1", "t4"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"t1"}));
}

TEST_F(SongView, SortingAWholePlayListReordersItWithoutAnUndoStep)
{
    const VT::ListPtr rock = AddPlayList(SongList("Rock", 3));
    Form().Model.AddSongs({MakeSong("Rock 0")}, rock);
    ClickRow(*Form().PlaylistListBox, 0);
    const std::size_t steps = Form().Model.History().Size();
    ClickColumn(1);
    EXPECT_EQ(Titles(rock), (std::vector<std::string>{"Rock 0", "Rock 1", "Rock 2", "Rock 3"}));
    EXPECT_EQ(rock->GetName(), "Rock");
    EXPECT_EQ(Form().Model.History().Size(), steps);
    Form().Model.Undo();
    Form().Model.Redo();
    EXPECT_EQ(Titles(rock), (std::vector<std::string>{"Rock 1", "Rock 2", "Rock 3", "Rock 0"}));
}

TEST_F(SongView, SortingAPlayListNarrowedByASearchLeavesItsOrder)
{
    const VT::ListPtr rock = AddPlayList(SongList("Rock", 12));
    ClickRow(*Form().PlaylistListBox, 0);
    SearchTitle("Rock 1");
    ClickColumn(1);
    ClickColumn(1);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Rock 1", "Rock 10", "Rock 11", "Rock 12"}));
    EXPECT_EQ(Titles(rock).front(), "Rock 1");
    EXPECT_EQ(Titles(rock).back(), "Rock 12");
}

TEST_F(SongView, APlaceholderRowIsNeverTakenAsASong)
{
    const VT::ListPtr one = AddPlayList(SongList("One", 1));
    ClickRow(*Form().PlaylistListBox, 0);
    SearchTitle("zzz");
    ASSERT_TRUE(Form().ShowsPlaceholder());
    Form().mp3ListViewColumnClick(1);
    EXPECT_EQ(Titles(one), (std::vector<std::string>{"One 1"}));
    Form().mp3ListView->SetSelected(0, true);
    EXPECT_EQ(Form().mp3ListView->SelCount(), 0);
    EXPECT_THROW(Form().SongFromItem(0), VT::not_in_range);
    Form().ViewVars.ClickedSongPath = "kept";
    Form().mp3ListViewMouseUp(mbLeft, {}, 5, 5);
    EXPECT_EQ(Form().ViewVars.ClickedSongPath, "kept");
    EXPECT_FALSE(Form().AddSongButton->Enabled());
}

TEST_F(SongView, TheButtonsFollowWhatIsShownAndSelected)
{
    AddSource(SongList("Music", 2));
    AddPlayList(SongList("Rock", 2));
    AddPlayList(SongList("Silent", 0));
    ClickRow(*Form().PlaylistListBox, 0);
    EXPECT_TRUE(Form().Play->Enabled());
    EXPECT_TRUE(Form().CreateFolderButton->Enabled());
    EXPECT_FALSE(Form().AddSongButton->Enabled());
    ClickSongRow(0);
    EXPECT_TRUE(Form().AddSongButton->Enabled());
    ClickRow(*Form().SourceListBox, 0);
    EXPECT_TRUE(Form().Play->Enabled());
    EXPECT_FALSE(Form().CreateFolderButton->Enabled());
    ClickRow(*Form().PlaylistListBox, 1);
    EXPECT_FALSE(Form().Play->Enabled());
    EXPECT_FALSE(Form().CreateFolderButton->Enabled());
}

TEST_F(SongView, EachKindOfListHasItsLook)
{
    AddSource(SongList("Music", 2));
    AddPlayList(SongList("Rock", 2));
    ClickRow(*Form().PlaylistListBox, 0);
    EXPECT_EQ(Form().SearchGroupBox->Color(), 10995878u);
    EXPECT_EQ(Form().CurrentListLabel->Color(), 10995878u);
    EXPECT_EQ(Form().GenreEdit->Color(), 0xFFFFFFu);
    EXPECT_TRUE(Form().SFSGreen->Visible() && Form().ClearAllGreen->Visible() && Form().LogicSearchGreen->Visible());
    EXPECT_FALSE(Form().SFSBrown->Visible() || Form().ClearAll->Visible() || Form().LogicSearchGrey->Visible());
    ClickRow(*Form().SourceListBox, 0);
    EXPECT_EQ(Form().SearchWithinCheckBox->Color(), 8897218u);
    EXPECT_TRUE(Form().SFSBrown->Visible() && Form().ClearAllBrown->Visible() && Form().LogicSearchBrown->Visible());
    EXPECT_FALSE(Form().SFSGreen->Visible() || Form().ClearAllGreen->Visible());
    EXPECT_TRUE(Form().SearchGroupBox->Enabled());
}

TEST_F(SongView, AMouseUpOverARowRemembersItsSongFile)
{
    AddSource(SongList("Music", 2));
    ClickRow(*Form().SourceListBox, 0);
    ClickSongRow(1);
    const std::string path = "/music/Music" + std::string(1, Platform::Separator) + "Music 2.mp3";
    EXPECT_EQ(Form().ViewVars.ClickedSongPath, path);
    ClickSongRow(10, true);
    EXPECT_EQ(Form().ViewVars.ClickedSongPath, path);
}

} // namespace
