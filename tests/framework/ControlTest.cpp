#include "tests/framework/FrameworkTest.h"

#include "framework/QtColors.h"
#include "framework/TForm.h"
#include "framework/TPanel.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <vector>

namespace {

class Controls : public FrameworkTest {
protected:
    Controls()
    {
        form.SetBounds(0, 0, 400, 300);
        panel.SetBounds(10, 20, 100, 50);
    }

    TForm form;
    TPanel& panel = Make<TPanel>(form);
};

TEST_F(Controls, PlaceThemselvesInTheirParentsClientArea)
{
    EXPECT_EQ(panel.BoundsRect(), (TRect{10, 20, 110, 70}));
    panel.SetLeft(30);
    panel.SetWidth(80);
    EXPECT_EQ(panel.BoundsRect(), (TRect{30, 20, 110, 70}));
    EXPECT_EQ(panel.Widget()->parentWidget(), form.ClientWidget());
    EXPECT_EQ(form.ClientWidth(), 400);
    EXPECT_EQ(form.ClientHeight(), 300);
    auto& inner = Make<TPanel>(panel);
    inner.SetBounds(5, 5, 10, 10);
    EXPECT_EQ(inner.Widget()->mapTo(form.ClientWidget(), QPoint(0, 0)), QPoint(35, 25));
}

TEST_F(Controls, KeepTheirDistancesToTheAnchoredEdges)
{
    auto& stretched = Make<TPanel>(form);
    stretched.SetBounds(10, 10, 380, 200);
    stretched.SetAnchors(akLeft | akTop | akRight | akBottom);
    auto& corner = Make<TPanel>(form);
    corner.SetBounds(350, 250, 40, 40);
    corner.SetAnchors(akRight | akBottom);
    auto& inside = Make<TPanel>(stretched);
    inside.SetBounds(300, 0, 70, 20);
    inside.SetAnchors(akTop | akRight);

    form.SetBounds(0, 0, 500, 350);

    EXPECT_EQ(stretched.BoundsRect(), (TRect{10, 10, 490, 260}));
    EXPECT_EQ(corner.BoundsRect(), (TRect{450, 300, 490, 340}));
    EXPECT_EQ(inside.BoundsRect(), (TRect{400, 0, 470, 20}));
    EXPECT_EQ(panel.BoundsRect(), (TRect{10, 20, 110, 70}));
}

TEST_F(Controls, ShrinkToNothingAndComeBackWhenTheParentGrowsAgain)
{
    panel.SetAnchors(akLeft | akRight);
    form.SetBounds(0, 0, 100, 300);
    EXPECT_EQ(panel.Width(), 0);
    form.SetBounds(0, 0, 400, 300);
    EXPECT_EQ(panel.Width(), 100);
}

TEST_F(Controls, FollowAWindowResizedByTheUser)
{
    panel.SetAnchors(akLeft | akTop | akRight);
    form.Show();
    form.Widget()->resize(450, 300);
    EXPECT_EQ(panel.Width(), 150);
}

TEST_F(Controls, KeepVisibleEnabledAndColourAsSet)
{
    EXPECT_TRUE(panel.Visible());
    panel.Hide();
    EXPECT_FALSE(panel.Visible());
    EXPECT_TRUE(panel.Enabled());
    panel.SetEnabled(false);
    EXPECT_FALSE(panel.Widget()->isEnabled());
    panel.SetColor(0x80FFFF);
    EXPECT_EQ(panel.Color(), 0x80FFFFu);
    EXPECT_EQ(panel.Widget()->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0x80));
    EXPECT_TRUE(panel.Widget()->autoFillBackground());
}

TEST_F(Controls, ComeToTheFrontTakeTheFocusAndShowTheirCursor)
{
    form.Show();
    auto& over = Make<TPanel>(form);
    over.SetBounds(10, 20, 100, 50);
    EXPECT_EQ(form.ClientWidget()->childAt(50, 40), over.Widget());
    panel.BringToFront();
    EXPECT_EQ(form.ClientWidget()->childAt(50, 40), panel.Widget());
    panel.SetCursor(crHandPoint);
    EXPECT_EQ(panel.ClientWidget()->cursor().shape(), Qt::PointingHandCursor);
    panel.Widget()->setFocusPolicy(Qt::StrongFocus);
    ASSERT_TRUE(WaitUntil([&] { return form.Active(); }));
    panel.SetFocus();
    EXPECT_TRUE(panel.Focused());
}

TEST(Colors, ConvertBetweenTheFrameworksValuesAndQt)
{
    EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(10995878), QColor(0xA6, 0xC8, 0xA7));
    EXPECT_EQ(FromQColor(QColor(0xA6, 0xC8, 0xA7)), 10995878u);
    EXPECT_EQ(FromQColor(ToQColor(clSilver)), clSilver);
}

TEST_F(Controls, RaiseClickThenMouseUpWithPositionAndButtons)
{
    form.Show();
    std::vector<std::string> events;
    panel.OnClick = [&] { events.push_back("click"); };
    panel.OnMouseUp = [&](TMouseButton button, TShiftState shift, int x, int y) {
        events.push_back("up " + std::to_string(button) + " " + std::to_string(shift.Flags) + " "
                         + std::to_string(x) + "," + std::to_string(y));
    };
    QTest::mouseClick(panel.Widget(), Qt::LeftButton, Qt::ShiftModifier, QPoint(7, 9));
    QTest::mouseClick(panel.Widget(), Qt::RightButton, Qt::ControlModifier, QPoint(3, 4));
    EXPECT_EQ(events, (std::vector<std::string>{"click", "up 0 1 7,9", "up 1 4 3,4"}));
}

TEST_F(Controls, RaiseDoubleClickOnceAndNoSecondClick)
{
    form.Show();
    int clicks = 0;
    int doubleClicks = 0;
    panel.OnClick = [&] { ++clicks; };
    panel.OnDblClick = [&] { ++doubleClicks; };
    DoubleClick(panel.Widget(), QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(Controls, ReportMouseMovesWithoutAButtonHeld)
{
    form.Show();
    std::vector<TPoint> moves;
    panel.OnMouseMove = [&](TShiftState, int x, int y) { moves.push_back({x, y}); };
    EXPECT_TRUE(panel.ClientWidget()->hasMouseTracking());
    MoveMouse(panel.Widget(), QPoint(12, 8));
    EXPECT_EQ(moves, (std::vector<TPoint>{{12, 8}}));
}

TEST_F(Controls, ShowTheirHintOnlyWhenShowHintIsSet)
{
    form.Show();
    panel.SetHint("Displays the list");
    QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), panel.Widget()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(panel.Widget(), &tip);
    EXPECT_FALSE(QToolTip::isVisible());
    panel.SetShowHint(true);
    QApplication::sendEvent(panel.Widget(), &tip);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Displays the list");
    panel.SetHint("A new text");
    EXPECT_EQ(QToolTip::text(), "A new text");
    panel.SetShowHint(false);
    EXPECT_TRUE(WaitUntil([] { return !QToolTip::isVisible(); }));
}

TEST_F(Controls, AreFreedWithTheirParentChildrenFirst)
{
    auto* group = new TForm;
    auto& outer = Make<TPanel>(*group);
    auto& inner = Make<TPanel>(outer);
    QPointer<QWidget> innerWidget(inner.Widget());
    QPointer<QWidget> window(group->Widget());
    delete group;
    EXPECT_TRUE(innerWidget.isNull());
    EXPECT_TRUE(window.isNull());
}

} // namespace
