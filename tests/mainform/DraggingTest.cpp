#include "tests/mainform/AppFormFixture.h"

#include "dialogs/namelistform.h"
#include "framework/QtCursors.h"
#include "mainform/SongReorder.h"
#include "tests/support/QtTesting.h"

#include <QApplication>

namespace {

using TestSupport::DragAndDrop;
using TestSupport::DragTo;
using TestSupport::PressLeft;
using TestSupport::ReleaseLeft;

TEST(SongReorder, PutsSongsDraggedUpBeforeTheTargetAndSongsDraggedDownAfterIt)
{
    struct Case { std::vector<int> selected; int target; Strings result; bool appended = false; };
    const Case cases[] = {
        {{1, 2}, 4, {"A", "D", "E", "B", "C"}, true},
        {{3}, 1, {"A", "D", "B", "C", "E"}},
        {{1}, 3, {"A", "C", "D", "B", "E"}},
        {{0, 4}, 2, {"B", "C", "A", "E", "D"}},
        {{2}, 2, {"A", "B", "D", "E", "C"}},
        {{1, 3}, 2, {"A", "C", "E", "B", "D"}}, // the song after the target is moved too
    };
    for (const Case& c : cases) {
        VT::PlayList list = ListOf("L", {Titled("A"), Titled("B"), Titled("C"), Titled("D"), Titled("E")});
        const SongReorder reorder = PlanSongReorder(c.selected, c.target, 5);
        list.MoveAt(std::vector<std::size_t>(c.selected.begin(), c.selected.end()),
                    static_cast<std::size_t>(reorder.beforeRow));
        EXPECT_EQ(Titles(list), c.result) << testing::PrintToString(c.selected) << " on " << c.target;
        EXPECT_EQ(reorder.appended, c.appended) << testing::PrintToString(c.selected) << " on " << c.target;
    }
}

class Dragging : public ListFormFixture {
protected:
    QWidget* SongRows() const { return Form().mp3ListView->ClientWidget(); }
    QWidget* PaneRows() const { return Form().PlaylistListBox->ClientWidget(); }
    QPoint PaneRow(int row) const { return RowPoint(*Form().PlaylistListBox, row); }
    QPoint BelowPaneRows() const { return QPoint(10, Form().PlaylistListBox->ClientHeight() - 5); }
    void Select(std::initializer_list<int> rows) const
    {
        for (const int row : rows)
            Form().mp3ListView->SetSelected(row, true);
    }
    void DragSongsTo(QWidget* target, const QPoint& to) const
    {
        DragAndDrop(SongRows(), SongRowPoint(Form().mp3ListView->Selected()), target, to);
    }
    static Strings Files(const VT::PlayList& list)
    {
        return SongSamples::TextsOf(list.songs, [](const VT::Song& song) { return song.GetFullFileName(); });
    }
    std::size_t States() const { return Form().Model.History().Size(); }
};

// Entries with equal tags are moved by their rows, each as itself; a move is one undo
// step, except the append after the last row. The focus goes to the row dropped on, the
// last row for a drop below them.
TEST_F(Dragging, MovesExactlyTheDraggedEntriesOfEqualSongsAndUndoTakesTheMoveBack)
{
    const VT::Song blank1 = Make({.fileName = "1.mp3", .folder = "/blank"});
    const VT::Song blank2 = Make({.fileName = "2.mp3", .folder = "/blank"});
    const VT::Song one = Titled("t", "t.mp3", "/one");
    const VT::Song two = Titled("t", "t.mp3", "/two");
    struct Case { VT::PlayList list; std::initializer_list<int> selected; int target; Strings files; int undoSteps; };
    const Case cases[] = {
        {ListOf("Blank", {blank1, Titled("a"), blank2, Titled("b")}), {2}, 0,
         {"/blank/2.mp3", "/blank/1.mp3", "/music/a.mp3", "/music/b.mp3"}, 1},
        {ListOf("Folders", {one, Titled("a"), two, Titled("b")}), {0}, 3,
         {"/music/a.mp3", "/two/t.mp3", "/music/b.mp3", "/one/t.mp3"}, 2},
        {ListOf("Upward", {one, Titled("a"), two, Titled("b")}), {3}, 2,
         {"/one/t.mp3", "/music/a.mp3", "/music/b.mp3", "/two/t.mp3"}, 1},
        {ListOf("Below", {one, two, Titled("a")}), {1}, 9,
         {"/one/t.mp3", "/music/a.mp3", "/two/t.mp3"}, 2},
    };
    for (const Case& c : cases) {
        const VT::ListPtr list = ShowPlayList(c.list);
        const Strings before = Files(*list);
        Select(c.selected);
        DragSongsTo(SongRows(), SongRowPoint(c.target));
        EXPECT_EQ(Files(*list), c.files) << c.list.GetName();
        EXPECT_EQ(Form().mp3ListView->ItemFocused(), std::min<int>(c.target, c.files.size() - 1)) << c.list.GetName();
        for (int step = 0; step < c.undoSteps; ++step)
            Form().Undo();
        EXPECT_EQ(Files(*Form().PlayListInfos[Form().FindPlayListInfo(c.list.GetName())].Handle), before);
    }
}

// Over the panels and the form the songs are taken, and a drop there changes nothing;
// the song view refuses them while it shows a source, and so does every control without a
// drag handler ("Your Music", the status line).
TEST_F(Dragging, SongsAreTakenOnlyWhereAHandlerTakesThemAndNotByTheSongViewOfASource)
{
    for (const bool source : {true, false}) {
        const VT::ListPtr shown = source ? ShowSource(SongList("Music", 3)) : ShowPlayList(SongList("Mix", 3));
        const Strings titles = Titles(*shown);
        Select({0});
        PressLeft(SongRows(), SongRowPoint(0));
        std::vector<bool> taken;
        for (const auto& [over, at] : std::initializer_list<std::pair<TControl*, QPoint>>{
                 {Form().PlayListPanel, {100, 8}}, {Form().mp3ViewPanel, {100, 20}}, {&Form(), {183, 100}},
                 {Form().SourcePanel, {100, 8}}, {Form().SourceLabel, {5, 5}}, {Form().CurrentListLabel, {5, 5}},
                 {Form().mp3ListView, SongRowPoint(2)}}) {
            DragTo(over->ClientWidget(), at);
            taken.push_back(QApplication::overrideCursor()->shape() == ToQtCursor(crDrag));
        }
        ReleaseLeft(SongRows(), SongRowPoint(2));
        EXPECT_EQ(taken, (std::vector<bool>{true, true, true, false, false, false, !source}));
        EXPECT_EQ(Titles(*shown) == titles, source);
    }
}

// Below the rows only an empty pane takes the songs: into a new list that the naming
// dialog makes.
TEST_F(Dragging, ADropBelowThePaneRowsStartsANewListOnlyWhenThePaneIsEmpty)
{
    ShowSource(SongList("Music", 3));
    for (const bool empty : {true, false}) {
        const std::size_t states = States();
        Select({1});
        DragSongsTo(PaneRows(), BelowPaneRows());
        EXPECT_EQ(NameListForm->Visible(), empty);
        EXPECT_EQ(Form().Enabled(), !empty);
        if (empty) {
            NameListForm->OkClick();
            EXPECT_EQ(Titles(*Form().PlayListInfos.at(0).Handle), Strings{"Music 2"});
        } else {
            EXPECT_EQ(States(), states);
        }
    }
}

// The row under the pointer shows highlighted, and none once the songs left the pane;
// the arrow stays at the shown list's row. A drop on a row adds the songs and flashes it.
TEST_F(Dragging, SongsDraggedOverThePaneHighlightTheRowUnderThePointerAndADropAddsThemThere)
{
    ShowPlayList(SongList("A", 3));
    const VT::ListPtr b = AddPlayList(SongList("B", 0));
    const int arrowTop = Form().ArrowPanel->Top();
    Select({0, 2});
    PressLeft(SongRows(), SongRowPoint(0));
    for (const int row : {1, 0}) {
        DragTo(PaneRows(), PaneRow(row));
        Form().PlaylistListBox->Repaint();
        EXPECT_EQ(Form().PlaylistListBox->ItemIndex(), row);
        EXPECT_EQ(Form().ArrowPanel->Top(), arrowTop);
    }
    DragTo(SongRows(), SongRowPoint(1));
    EXPECT_EQ(Form().PlaylistListBox->ItemIndex(), -1);
    DragTo(PaneRows(), PaneRow(1));
    ReleaseLeft(PaneRows(), PaneRow(1));
    EXPECT_EQ(Titles(*b), (Strings{"A 1", "A 3"}));
    for (const int highlighted : {1, -1}) {
        Testing::FireTimer(*Form().DragSelect);
        EXPECT_EQ(Form().PlaylistListBox->ItemIndex(), highlighted);
    }
}

// Each tick moves the view by a row's worth of its 20 pixels toward the edge band the
// pointer was last in; the end of the drag stops it.
TEST_F(Dragging, ThePointerInAnEdgeBandScrollsTheViewUntilTheDragEnds)
{
    ShowPlayList(SongList("Long", 300));
    TListView& view = *Form().mp3ListView;
    Select({0});
    PressLeft(SongRows(), SongRowPoint(0));
    DragTo(SongRows(), QPoint(40, view.ClientHeight() - 5));
    std::vector<int> tops{view.TopItem()};
    for (int tick = 0; tick < 3; ++tick) {
        Testing::FireTimer(*Form().ScrollViewTimer);
        tops.push_back(view.TopItem());
    }
    DragTo(SongRows(), QPoint(40, 5));
    Testing::FireTimer(*Form().ScrollViewTimer);
    tops.push_back(view.TopItem());
    DragTo(SongRows(), QPoint(40, view.ClientHeight() / 2));
    Testing::FireTimer(*Form().ScrollViewTimer);
    tops.push_back(view.TopItem());
    ReleaseLeft(SongRows(), QPoint(40, view.ClientHeight() / 2));
    Testing::FireTimer(*Form().ScrollViewTimer);
    EXPECT_EQ(tops, (std::vector<int>{0, 1, 2, 3, 2, 2}));
    EXPECT_FALSE(Form().ScrollViewTimer->Enabled());
}

} // namespace
