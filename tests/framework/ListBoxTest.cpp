#include "tests/framework/FrameworkTest.h"

#include "framework/QtColors.h"
#include "tests/support/TempFolder.h"

#include <QScreen>

#include <map>

namespace {

class ListBoxes : public OnAForm {
protected:
    ListBoxes()
    {
        box.SetBounds(0, 0, 180, 200);
        box.SetItemHeight(22);
        box.SetColor(11655384);
        for (const char* name : {"Rock (12)", "Jazz (3)", "Caf\xE9 (1)"})
            box.Items().Add(name);
    }

    TListBox& box = Make<TListBox>(form);
};

TEST_F(ListBoxes, PrepareTheHighlightBrushForTheSelectedRowAndTheBoxColourForTheOthers)
{
    box.SetItemIndex(1);
    std::map<int, std::string> drawn;
    box.OnDrawItem = [&](int index, const TRect& rect, TOwnerDrawState state) {
        drawn[index] = std::to_string(rect.Top) + " " + std::to_string(box.Canvas().Brush().Color()) + " "
            + std::to_string(box.Canvas().Font().Color()) + (state.Contains(odSelected) ? " selected" : "");
    };
    box.Widget()->grab();
    EXPECT_EQ(drawn, (std::map<int, std::string>{{0, "0 11655384 " + std::to_string(clWindowText)},
                                                 {1, "22 " + std::to_string(clHighlight) + " "
                                                         + std::to_string(clHighlightText) + " selected"},
                                                 {2, "44 11655384 " + std::to_string(clWindowText)}}));
}

// The selected row follows its row when another goes; when it goes itself, no row is
// selected, not the neighbour Qt's view would move to.
TEST_F(ListBoxes, SelectARowByClickAndKeepItOnAClickBelowTheRowsUntilItIsRemoved)
{
    std::vector<int> selected;
    box.OnMouseUp = [&](TMouseButton, TShiftState, int, int) { selected.push_back(box.ItemIndex()); };
    QTest::mouseClick(box.ClientWidget(), Qt::LeftButton, {}, QPoint(10, 30));
    QTest::mouseClick(box.ClientWidget(), Qt::LeftButton, {}, QPoint(10, 150));
    for (const int removed : {0, 0}) {
        box.Items().Delete(removed);
        selected.push_back(box.ItemIndex());
    }
    EXPECT_EQ(selected, (std::vector<int>{1, 1, 0, -1}));
}

// A draw handler that places a marker beside a row (the main window's arrow) moves it
// while Qt paints; the marker must still show its picture.
TEST_F(ListBoxes, LetTheirDrawHandlerMoveAControlThatShowsAPicture)
{
    TestSupport::TempFolder folder;
    auto& marker = Make<TPanel>(form);
    marker.SetBounds(200, 0, 12, 22);
    marker.SetColor(clRed);
    auto& picture = Make<TImage>(marker);
    picture.SetBounds(0, 0, 12, 22);
    QImage green(12, 22, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(QString::fromStdString(folder / "arrow.jpg")) && picture.LoadPicture(folder / "arrow.jpg"));
    box.OnDrawItem = [&](int index, const TRect& rect, TOwnerDrawState) {
        if (index == 1)
            marker.SetBounds(200, rect.Top + 2, 12, 22);
    };
    box.Invalidate();
    // What the screen shows, as painted so far: a widget's grab would paint it all anew.
    QWidget* window = form.Widget();
    const auto shown = [&] {
        const QImage seen = window->screen()->grabWindow(window->winId()).toImage();
        return seen.valid(206, 35) ? seen.pixelColor(206, 35) : QColor(); // empty until first shown
    };
    EXPECT_TRUE(WaitUntil([&] { return shown().green() > 200 && shown().red() < 60; }));
}

} // namespace
