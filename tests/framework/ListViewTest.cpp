#include "tests/framework/FrameworkTest.h"

#include "framework/TListView.h"

#include <QHeaderView>
#include <QTableView>
#include <QTest>

#include <set>
#include <string>
#include <vector>

namespace {

class ListViews : public FrameworkTest {
protected:
    ListViews()
    {
        form.SetBounds(0, 0, 500, 400);
        view.SetBounds(0, 0, 480, 300);
        for (const char* caption : {"", "Song Title", "Artist", "Path"})
            view.Columns().Add().SetCaption(caption);
        view.OnData = [this](TListItem& item) {
            requested.insert(item.Index());
            item.SetCaption(std::to_string(item.Index() + 1));
            item.SubItems().push_back("Title " + std::to_string(item.Index()));
            item.SubItems().push_back(artist);
        };
        form.Show();
    }

    QTableView& Table() { return *static_cast<QTableView*>(view.Widget()); }
    int RowHeight() { return Table().rowHeight(0); }
    // Paints the view now, as the screen would.
    void Paint()
    {
        requested.clear();
        view.Widget()->grab();
    }
    QPoint RowPoint(int row) { return QPoint(5, row * RowHeight() + RowHeight() / 2); }

    TForm form;
    TListView& view = Make<TListView>(form);
    std::set<int> requested;
    std::string artist = "Artist";
};

TEST_F(ListViews, AskForTheRowsTheyShowAndNoOthers)
{
    view.Items().SetCount(200000);
    Paint();
    ASSERT_FALSE(requested.empty());
    EXPECT_EQ(*requested.begin(), 0);
    EXPECT_LE(*requested.rbegin(), view.VisibleRowCount());
    view.Scroll(0, 150000 * RowHeight());
    EXPECT_EQ(view.TopItem(), 150000);
    Paint();
    ASSERT_FALSE(requested.empty());
    EXPECT_GE(*requested.begin(), 150000);
    EXPECT_LE(*requested.rbegin(), 150000 + view.VisibleRowCount());
}

TEST_F(ListViews, ShowWhatOnDataGivesAndAskAgainAfterAnInvalidate)
{
    view.Items().SetCount(3);
    artist = "Caf\xE9 Tacuba";
    EXPECT_EQ(Table().model()->index(1, 2).data().toString(), QString::fromUtf8("Café Tacuba"));
    EXPECT_EQ(view.Items().Item(1).SubItems()[1], "Caf\xE9 Tacuba");
    EXPECT_EQ(view.Items().Item(2).Caption(), "3");
    Paint();
    EXPECT_EQ(requested, (std::set<int>{0, 1, 2}));
    view.Invalidate();
    view.Update();
    EXPECT_FALSE(requested.empty());
}

TEST_F(ListViews, DeliverTheIndexOfTheClickedColumn)
{
    std::vector<int> clicked;
    view.OnColumnClick = [&](int column) { clicked.push_back(column); };
    QHeaderView* header = Table().horizontalHeader();
    const int middle = header->sectionViewportPosition(2) + header->sectionSize(2) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(middle, 5));
    EXPECT_EQ(clicked, (std::vector<int>{2}));
}

TEST_F(ListViews, KeepColumnWidthsWithinTheirBounds)
{
    TListColumn& number = view.Columns()[0];
    number.SetMinWidth(35);
    number.SetMaxWidth(80);
    number.SetWidth(10);
    EXPECT_EQ(number.Width(), 35);
    number.SetWidth(250);
    EXPECT_EQ(number.Width(), 80);
    QHeaderView* header = Table().horizontalHeader();
    EXPECT_EQ(header->sectionSize(0), 80);
    // The user drags the edge past the maximum.
    header->resizeSection(0, 200);
    EXPECT_EQ(number.Width(), 80);
    EXPECT_EQ(header->sectionSize(0), 80);
    TListColumn& path = view.Columns()[3];
    path.SetMaxWidth(1);
    path.SetWidth(0);
    EXPECT_EQ(path.Width(), 0);
    EXPECT_TRUE(header->isSectionHidden(3));
    EXPECT_THROW(view.Columns()[4], std::out_of_range);
}

TEST_F(ListViews, FindTheRowAtAPointAmongTheExistingRows)
{
    view.Items().SetCount(5);
    EXPECT_EQ(view.GetItemAt(5, 1), 0);
    EXPECT_EQ(view.GetItemAt(5, 3 * RowHeight() + 1), 3);
    EXPECT_EQ(view.GetItemAt(5, 5 * RowHeight() + 1), -1);
    EXPECT_EQ(view.GetItemAt(5, 290), -1);
}

TEST_F(ListViews, SelectSeveralRowsByCodeAndByTheMouse)
{
    view.Items().SetCount(10);
    view.SetMultiSelect(true);
    std::vector<std::pair<int, bool>> changes;
    view.OnSelectItem = [&](int row, bool selected) { changes.emplace_back(row, selected); };
    view.SetSelected(3, true);
    view.SetSelected(5, true);
    EXPECT_EQ(view.SelectedRows(), (std::vector<int>{3, 5}));
    EXPECT_EQ(view.SelCount(), 2);
    EXPECT_EQ(view.Selected(), 3);
    EXPECT_TRUE(view.IsSelected(5));
    view.SetSelected(3, false);
    EXPECT_EQ(view.Selected(), 5);
    EXPECT_EQ(changes, (std::vector<std::pair<int, bool>>{{3, true}, {5, true}, {3, false}}));
    view.ClearSelection();
    EXPECT_EQ(view.SelCount(), 0);
    EXPECT_EQ(view.Selected(), -1);
    QTest::mouseClick(view.ClientWidget(), Qt::LeftButton, {}, RowPoint(2));
    QTest::mouseClick(view.ClientWidget(), Qt::LeftButton, Qt::ShiftModifier, RowPoint(4));
    QTest::mouseClick(view.ClientWidget(), Qt::LeftButton, Qt::ControlModifier, RowPoint(7));
    EXPECT_EQ(view.SelectedRows(), (std::vector<int>{2, 3, 4, 7}));
    EXPECT_EQ(view.ItemFocused(), 7);
}

TEST_F(ListViews, SelectOneRowAtATimeUnlessMultiSelect)
{
    view.Items().SetCount(10);
    QTest::mouseClick(view.ClientWidget(), Qt::LeftButton, {}, RowPoint(2));
    QTest::mouseClick(view.ClientWidget(), Qt::LeftButton, Qt::ControlModifier, RowPoint(4));
    EXPECT_EQ(view.SelectedRows(), (std::vector<int>{4}));
}

TEST_F(ListViews, SelectAllOfManyRowsAndKeepTheSelectionOfRowsThatStay)
{
    view.SetMultiSelect(true);
    view.Items().SetCount(200000);
    view.SelectAll();
    EXPECT_EQ(view.SelCount(), 200000);
    view.Items().SetCount(12);
    EXPECT_EQ(view.SelCount(), 12);
    view.Items().SetCount(0);
    EXPECT_EQ(view.SelCount(), 0);
    EXPECT_EQ(view.TopItem(), -1);
}

TEST_F(ListViews, ScrollByWholeRows)
{
    view.Items().SetCount(100);
    const int visible = view.VisibleRowCount();
    EXPECT_GT(visible, 5);
    EXPECT_LT(visible, 100);
    view.Scroll(0, RowHeight() * 10);
    EXPECT_EQ(view.TopItem(), 10);
    view.Scroll(0, -1);
    EXPECT_EQ(view.TopItem(), 9);
    EXPECT_EQ(view.GetItemAt(5, 1), 9);
}

TEST_F(ListViews, RaiseMouseAndKeyEvents)
{
    view.Items().SetCount(5);
    std::vector<std::string> events;
    view.OnMouseUp = [&](TMouseButton button, TShiftState, int x, int y) {
        events.push_back("up " + std::to_string(button) + " row " + std::to_string(view.GetItemAt(x, y)));
    };
    view.OnDblClick = [&] { events.push_back("double " + std::to_string(view.Selected())); };
    view.OnKeyDown = [&](TKey& key, TShiftState) { events.push_back("key " + std::to_string(key)); };
    QTest::mouseClick(view.ClientWidget(), Qt::RightButton, {}, RowPoint(1));
    DoubleClick(view.ClientWidget(), RowPoint(3));
    QTest::keyClick(view.Widget(), Qt::Key_Delete);
    EXPECT_EQ(events, (std::vector<std::string>{"up 1 row 1", "up 0 row 3", "double 3", "up 0 row 3",
                                                "key 46"}));
}

TEST_F(ListViews, MoveTheFocusedRowAndHoldPaintingInAnUpdateBracket)
{
    view.Items().SetCount(5);
    view.SetItemFocused(3);
    EXPECT_EQ(view.ItemFocused(), 3);
    EXPECT_EQ(view.SelCount(), 0);
    view.SetItemFocused(-1);
    EXPECT_EQ(view.ItemFocused(), -1);
    view.Items().BeginUpdate();
    EXPECT_FALSE(Table().updatesEnabled());
    view.Items().SetCount(0);
    view.Items().EndUpdate();
    EXPECT_TRUE(Table().updatesEnabled());
    view.SetGridLines(true);
    EXPECT_TRUE(Table().showGrid());
}

TEST_F(ListViews, RaiseNothingWhileTheyAreFreed)
{
    auto* owner = new TForm;
    auto& doomed = Make<TListView>(*owner);
    doomed.Columns().Add();
    doomed.Items().SetCount(3);
    doomed.SetSelected(1, true);
    int calls = 0;
    doomed.OnSelectItem = [&](int, bool) { ++calls; };
    doomed.OnData = [&](TListItem&) { ++calls; };
    delete owner;
    EXPECT_EQ(calls, 0);
}

TEST_F(ListViews, TakeNoInputWhileDisabled)
{
    view.Items().SetCount(5);
    view.SetEnabled(false);
    QTest::mouseClick(view.ClientWidget(), Qt::LeftButton, {}, RowPoint(1));
    EXPECT_EQ(view.SelCount(), 0);
    view.SetColor(14145495);
    EXPECT_EQ(view.ClientWidget()->palette().color(QPalette::Base), QColor(215, 215, 215));
}

} // namespace
