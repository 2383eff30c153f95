#include "tests/framework/FrameworkTest.h"

#include <QFont>
#include <QHeaderView>
#include <QTableView>

#include <set>

namespace {

class ListViews : public OnAForm {
protected:
    ListViews()
    {
        view.SetBounds(0, 0, 380, 280);
        for (const char* caption : {"", "Song Title", "Artist", "Path"})
            view.Columns().Add().SetCaption(caption);
        view.OnData = [this](TListItem& item) {
            requested.insert(item.Index());
            item.SetCaption(std::to_string(item.Index() + 1));
            item.SubItems() = {"Title " + std::to_string(item.Index()), "Caf\xE9 Tacuba"};
        };
    }

    QTableView& Table() { return *static_cast<QTableView*>(view.Widget()); }
    int RowHeight() { return Table().rowHeight(0); }
    QPoint RowPoint(int row) { return QPoint(5, row * RowHeight() + RowHeight() / 2); }
    // Paints the view now, as the screen would, and tells which rows it asked for.
    std::set<int> Painted()
    {
        requested.clear();
        view.Widget()->grab();
        return requested;
    }

    TListView& view = Make<TListView>(form);
    std::set<int> requested;
};

TEST_F(ListViews, AskForTheRowsTheyShowAndNoOthers)
{
    view.Items().SetCount(200000);
    EXPECT_EQ(Table().model()->index(1, 2).data().toString(), QString::fromUtf8("Café Tacuba"));
    std::set<int> painted = Painted();
    EXPECT_EQ(*painted.begin(), 0);
    EXPECT_LE(*painted.rbegin(), view.VisibleRowCount());
    view.Scroll(0, 150000 * RowHeight());
    EXPECT_EQ(view.TopItem(), 150000);
    painted = Painted();
    EXPECT_GE(*painted.begin(), 150000);
    EXPECT_LE(*painted.rbegin(), 150000 + view.VisibleRowCount());
}

TEST_F(ListViews, KeepColumnWidthsWithinTheirBoundsAlsoWhenTheUserDragsThem)
{
    TListColumn& number = view.Columns()[0];
    number.SetMinWidth(35);
    number.SetMaxWidth(80);
    QHeaderView* header = Table().horizontalHeader();
    header->resizeSection(0, 200);
    EXPECT_EQ(number.Width(), 80);
    EXPECT_EQ(header->sectionSize(0), 80);
    view.Columns()[3].SetWidth(0);
    EXPECT_TRUE(header->isSectionHidden(3));
}

TEST_F(ListViews, SelectSeveralRowsByTheMouseOnlyWhenMultiSelect)
{
    view.Items().SetCount(10);
    std::vector<std::pair<int, bool>> changes;
    view.OnSelectItem = [&](int row, bool selected) { changes.emplace_back(row, selected); };
    QTest::mouseClick(view.ClientWidget(), Qt::LeftButton, {}, RowPoint(2));
    QTest::mouseClick(view.ClientWidget(), Qt::LeftButton, Qt::ControlModifier, RowPoint(4));
    EXPECT_EQ(changes, (std::vector<std::pair<int, bool>>{{2, true}, {4, true}}));
    view.SetMultiSelect(true);
    QTest::mouseClick(view.ClientWidget(), Qt::LeftButton, Qt::ShiftModifier, RowPoint(6));
    QTest::mouseClick(view.ClientWidget(), Qt::LeftButton, Qt::ControlModifier, RowPoint(8));
    EXPECT_EQ(view.SelectedRows(), (std::vector<int>{4, 5, 6, 8}));
    EXPECT_EQ(view.Selected(), 4);
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

TEST_F(ListViews, ShowTheRowUnderTheMouseWithTheHandAndUnderlined)
{
    view.Items().SetCount(5);
    view.SetCursor(crCross);
    view.SetHotTrackStyles({.HandPoint = true, .UnderlineHot = true});
    QWidget* rows = view.ClientWidget();
    const auto hot = [&] {
        std::string seen = rows->cursor().shape() == Qt::PointingHandCursor ? "hand" : "cross";
        for (int row = 0; row < 5; ++row) {
            if (Table().model()->index(row, 1).data(Qt::FontRole).value<QFont>().underline())
                seen += " " + std::to_string(row);
        }
        return seen;
    };
    MoveMouse(rows, RowPoint(2));
    MoveMouse(rows, RowPoint(3));
    EXPECT_EQ(hot(), "hand 3");
    MoveMouse(rows, RowPoint(8));
    EXPECT_EQ(hot(), "cross") << "below the last row";
    MoveMouse(rows, RowPoint(1));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(rows, &leave);
    EXPECT_EQ(hot(), "cross");
}


TEST_F(ListViews, WithCheckboxesTellWhichBoxTheUserTicksByClickOrSpace)
{
    std::vector<bool> ticks{false, true, false};
    std::vector<std::pair<int, bool>> checks;
    view.Items().SetCount(3);
    view.SetCheckboxes(true);
    view.OnData = [&](TListItem& item) { item.SetChecked(ticks[item.Index()]); };
    view.OnCheck = [&](int row, bool checked) {
        checks.emplace_back(row, checked);
        ticks[row] = checked;
    };
    QStyleOptionViewItem option;
    option.initFrom(&Table());
    option.rect = Table().visualRect(Table().model()->index(0, 0));
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QPoint box = Table().style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &Table()).center();
    QTest::mouseClick(view.ClientWidget(), Qt::LeftButton, {}, box);
    QTest::mouseClick(view.ClientWidget(), Qt::LeftButton, {}, box + QPoint(0, RowHeight()));
    QTest::mouseClick(view.ClientWidget(), Qt::LeftButton, {}, QPoint(Table().columnViewportPosition(1) + 5, RowHeight() * 2 + 3));
    QTest::keyClick(view.Widget(), Qt::Key_Space);
    EXPECT_EQ(checks, (std::vector<std::pair<int, bool>>{{0, true}, {1, false}, {2, true}}));
}

} // namespace
