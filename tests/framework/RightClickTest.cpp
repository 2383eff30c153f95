#include "tests/framework/FrameworkTest.h"

#include "framework/TGroupBox.h"
#include "framework/TPopupMenu.h"
#include "framework/TSpeedButton.h"

#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>

namespace {

// Through the window, as the desktop delivers a click, so that Qt asks for the context menu
// on the press as it does on this desktop. Qt's own switch for this changes inline code
// that other test files build without it, so it is not used.
void ClickThroughWindow(QWidget* widget, Qt::MouseButton button, QPoint at)
{
    QWindow* window = widget->window()->windowHandle();
    QTest::mouseClick(window, button, {}, window->mapFromGlobal(widget->mapToGlobal(at)));
}

// The clicked row may be one past the last row.
struct RightClickCase { bool listView; int rows; std::vector<int> before; int clicked; std::vector<int> after; int top; };

std::string Texts(const std::vector<int>& rows)
{
    std::string text;
    for (int row : rows)
        text += std::to_string(row) + ";";
    return text;
}

// A list box or a multi-select list view showing four rows and a half, with a popup menu;
// the view's columns are scrolled sideways.
class RightClick : public OnAForm, public ::testing::WithParamInterface<RightClickCase> {
protected:
    RightClick()
    {
        view.Columns().Add().SetWidth(600);
        view.SetMultiSelect(true);
        Table().setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box.SetItemHeight(RowHeight());
        for (TControl* list : std::initializer_list<TControl*>{&box, &view}) {
            list->SetBounds(0, 0, 200, 200);
            list->SetClientHeight(RowHeight() * 9 / 2);
        }
        popup.Items().Add("Play");
        popup.AttachTo(List());
        popup.OnPopup = [this] { events.push_back("menu " + Texts(Selected())); };
        // The window reads the row under the mouse when the button comes up.
        box.OnMouseUp = view.OnMouseUp = [this](TMouseButton, TShiftState, int x, int y) {
            const int row = GetParam().listView ? view.GetItemAt(x, y) : box.ItemAtPos(x, y);
            events.push_back("up " + std::to_string(row) + " " + Texts(Selected()));
        };
        view.OnSelectItem = [this](int row, bool) { events.push_back("select " + std::to_string(row)); };
    }

    QTableView& Table() { return *static_cast<QTableView*>(view.Widget()); }
    int RowHeight() { return Table().verticalHeader()->defaultSectionSize(); }
    TControl& List() { return GetParam().listView ? static_cast<TControl&>(view) : box; }

    std::vector<int> Selected() const
    {
        if (GetParam().listView)
            return view.SelectedRows();
        return box.ItemIndex() < 0 ? std::vector<int>{} : std::vector<int>{box.ItemIndex()};
    }

    TListBox& box = Make<TListBox>(form);
    TListView& view = Make<TListView>(form);
    TPopupMenu& popup = Make<TPopupMenu>(form);
    std::vector<std::string> events;
};

TEST_P(RightClick, SelectsTheRowBeforeTheMouseUpAndTheMenu)
{
    const auto& [listView, rows, before, clicked, after, top] = GetParam();
    List().BringToFront();
    view.Items().SetCount(rows);
    for (int row = 0; row < rows; ++row)
        box.Items().Add("list " + std::to_string(row));
    for (int row : before) {
        box.SetItemIndex(row);
        view.SetSelected(row, true);
    }
    view.Scroll(100, 0);
    events.clear();
    ClickThroughWindow(List().ClientWidget(), Qt::RightButton, QPoint(5, clicked * RowHeight() + 3));
    std::vector<std::string> expected{"up " + std::to_string(clicked < rows ? clicked : -1) + " " + Texts(after),
                                      "menu " + Texts(after)};
    if (listView && after != before)
        expected.insert(expected.begin(), "select " + std::to_string(after.front()));
    EXPECT_EQ(events, expected);
    EXPECT_EQ(listView ? view.TopItem() : box.TopIndex(), top);
    EXPECT_EQ(Table().horizontalScrollBar()->value(), 100) << "the columns stay";
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(List().Widget(), Qt::Key_Down);
    if (clicked < rows) {
        EXPECT_EQ(Selected(), std::vector<int>{std::min(clicked + 1, rows - 1)}) << "the arrow keys go on from the row";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RightClick,
    ::testing::Values(RightClickCase{false, 3, {0}, 2, {2}, 0}, RightClickCase{false, 3, {1}, 3, {1}, 0},
                      RightClickCase{false, 10, {}, 4, {4}, 1}, RightClickCase{true, 10, {1, 2}, 2, {1, 2}, 0},
                      RightClickCase{true, 10, {1, 2}, 3, {3}, 0}, RightClickCase{true, 10, {0}, 4, {4}, 1},
                      RightClickCase{true, 3, {0, 2}, 3, {0, 2}, 0}));

// Controls keep their own clicks, but a right click on one without a menu opens the menu of
// the nearest control around it that has one.
TEST_F(OnAForm, ARightClickOpensTheMenuOfTheNearestControlThatHasOne)
{
    TGroupBox& box = Make<TGroupBox>(form);
    TPanel& step = Make<TPanel>(box);
    TLabel& stepLabel = Make<TLabel>(step);
    TPopupMenu& boxMenu = Make<TPopupMenu>(form);
    TPopupMenu& stepMenu = Make<TPopupMenu>(form);
    box.SetBounds(0, 0, 400, 300);
    step.SetBounds(200, 150, 190, 140);
    boxMenu.AttachTo(box);
    int clicks = 0;
    box.OnClick = step.OnClick = [&] { clicks += 100; };
    const std::vector<std::pair<TControl*, QMenu*>> cases{
        {&Make<TLabel>(box), boxMenu.Menu()},       {&Make<TImage>(box), boxMenu.Menu()},
        {&Make<TCheckBox>(box), boxMenu.Menu()},    {&Make<TSpeedButton>(box), boxMenu.Menu()},
        {&stepLabel, boxMenu.Menu()},               {&stepLabel, stepMenu.Menu()}};
    for (const auto& [control, menu] : cases) {
        if (menu == stepMenu.Menu())
            stepMenu.AttachTo(step);
        control->SetBounds(10, 20, 60, 20);
        control->BringToFront();
        clicks = 0;
        control->OnClick = [&] { ++clicks; };
        ClickThroughWindow(control->ClientWidget(), Qt::LeftButton, QPoint(3, 3));
        EXPECT_EQ(clicks, 1) << "left clicks stay where they are";
        ClickThroughWindow(control->ClientWidget(), Qt::RightButton, QPoint(3, 3));
        EXPECT_EQ(QApplication::activePopupWidget(), menu) << control->ClassName();
        menu->close();
    }
}

} // namespace
