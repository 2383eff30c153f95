#include "tests/framework/FrameworkTest.h"

#include "framework/QtColors.h"
#include "framework/TListBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <map>
#include <string>

namespace {

class ListBoxes : public FrameworkTest {
protected:
    ListBoxes()
    {
        form.SetBounds(0, 0, 300, 300);
        form.Show();
        box.SetBounds(0, 0, 180, 200);
        box.SetItemHeight(22);
        box.SetColor(11655384);
        for (const char* name : {"Rock (12)", "Jazz (3)", "Caf\xE9 (1)"})
            box.Items().Add(name);
    }

    QWidget* Rows() const { return box.ClientWidget(); }

    struct Drawn {
        TRect rect;
        TColor brush = 0;
        TColor text = 0;
        bool selected = false;
    };

    std::map<int, Drawn> Draw()
    {
        std::map<int, Drawn> drawn;
        box.OnDrawItem = [&](int index, const TRect& rect, TOwnerDrawState state) {
            drawn[index] = {rect, box.Canvas().Brush().Color(), box.Canvas().Font().Color(),
                            state.Contains(odSelected)};
            box.Canvas().FillRect(rect);
            box.Canvas().TextOut(rect.Left + 3, rect.Top + 3, box.Items()[index]);
        };
        box.Widget()->grab();
        return drawn;
    }

    TForm form;
    TListBox& box = Make<TListBox>(form);
};

TEST_F(ListBoxes, PrepareTheHighlightBrushForTheSelectedRowAndTheBoxColourForTheOthers)
{
    box.SetItemIndex(1);
    const auto drawn = Draw();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn.at(1).brush, clHighlight);
    EXPECT_EQ(drawn.at(1).text, clHighlightText);
    EXPECT_TRUE(drawn.at(1).selected);
    EXPECT_EQ(drawn.at(0).brush, 11655384u);
    EXPECT_EQ(drawn.at(2).brush, 11655384u);
    EXPECT_FALSE(drawn.at(2).selected);
    EXPECT_EQ(drawn.at(2).rect, (TRect{0, 44, box.ClientWidth(), 66}));
}

TEST_F(ListBoxes, FillAndWriteRowsThemselvesWithoutAHandler)
{
    box.SetItemIndex(0);
    const QImage image = box.ClientWidget()->grab().toImage();
    EXPECT_EQ(image.pixelColor(1, 1), ToQColor(clHighlight));
    EXPECT_EQ(image.pixelColor(1, 23), ToQColor(11655384));
}

TEST_F(ListBoxes, FindRowsAtPointsAmongTheExistingRowsOnly)
{
    EXPECT_EQ(box.ItemAtPos(10, 0), 0);
    EXPECT_EQ(box.ItemAtPos(10, 43), 1);
    EXPECT_EQ(box.ItemAtPos(10, 65), 2);
    EXPECT_EQ(box.ItemAtPos(10, 66), -1);
    EXPECT_EQ(box.ItemAtPos(10, 190), -1);
    EXPECT_EQ(box.ItemRect(1), (TRect{0, 22, box.ClientWidth(), 44}));
    EXPECT_EQ(box.ItemRect(3), TRect{});
}

TEST_F(ListBoxes, SelectOneRowByCodeOrByClick)
{
    EXPECT_EQ(box.ItemIndex(), -1);
    box.SetItemIndex(2);
    EXPECT_EQ(box.ItemIndex(), 2);
    box.SetItemIndex(-1);
    EXPECT_EQ(box.ItemIndex(), -1);
    int selectedAtMouseUp = -2;
    box.OnMouseUp = [&](TMouseButton, TShiftState, int, int) { selectedAtMouseUp = box.ItemIndex(); };
    QTest::mouseClick(Rows(), Qt::LeftButton, {}, QPoint(10, 30));
    EXPECT_EQ(selectedAtMouseUp, 1);
}

TEST_F(ListBoxes, KeepTheSelectedRowAndStillReportTheMouseOnAClickBelowTheRows)
{
    box.SetItemIndex(1);
    int mouseUps = 0;
    box.OnMouseUp = [&](TMouseButton, TShiftState, int, int y) { mouseUps += y == 150 ? 1 : 0; };
    QTest::mouseClick(Rows(), Qt::LeftButton, {}, QPoint(10, 150));
    EXPECT_EQ(box.ItemIndex(), 1);
    EXPECT_EQ(mouseUps, 1);
}

TEST_F(ListBoxes, KeepTheRowsBytesAndFollowEveryChange)
{
    box.Items().Insert(0, "New (0)");
    box.Items().Set(3, "Chanson (\x93" "2\x94)");
    box.Items().Delete(1);
    ASSERT_EQ(box.Items().Count(), 3);
    EXPECT_EQ(box.Items()[2], "Chanson (\x93" "2\x94)");
    const auto drawn = Draw();
    EXPECT_EQ(drawn.size(), 3u);
    EXPECT_EQ(box.ItemAtPos(10, 50), 2);
    box.Items().Clear();
    EXPECT_EQ(box.ItemAtPos(10, 5), -1);
}

TEST_F(ListBoxes, ScrollByWholeRows)
{
    for (int i = 0; i < 30; ++i)
        box.Items().Add("List " + std::to_string(i));
    EXPECT_EQ(box.TopIndex(), 0);
    box.SetTopIndex(5);
    EXPECT_EQ(box.TopIndex(), 5);
    EXPECT_EQ(box.ItemAtPos(10, 1), 5);
    EXPECT_EQ(box.ItemRect(5).Top, 0);
}

TEST_F(ListBoxes, ShowTheHintAMouseMoveHandlerWrote)
{
    box.OnMouseMove = [&](TShiftState, int x, int y) {
        const int row = box.ItemAtPos(x, y);
        box.SetShowHint(row >= 0);
        if (row >= 0)
            box.SetHint("\"" + box.Items()[row] + "\" playlist");
    };
    MoveMouse(Rows(), QPoint(10, 5));
    QHelpEvent tip(QEvent::ToolTip, QPoint(10, 5), Rows()->mapToGlobal(QPoint(10, 5)));
    QApplication::sendEvent(Rows(), &tip);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "\"Rock (12)\" playlist");
    MoveMouse(Rows(), QPoint(10, 50));
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("\"Café (1)\" playlist"));
    MoveMouse(Rows(), QPoint(10, 150));
    EXPECT_TRUE(WaitUntil([] { return !QToolTip::isVisible(); }));
}

} // namespace
