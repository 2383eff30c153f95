#include "tests/framework/FrameworkTest.h"

#include "framework/TTimer.h"

#include <QCursor>

namespace {

using namespace TestSupport;

// Songs dragged from a list view onto a panel that takes them (but not onto the label on it,
// which has no drag handler and so refuses them) or onto one that refuses them.
class Drags : public OnAForm {
protected:
    Drags()
    {
        view.SetBounds(0, 0, 200, 280);
        view.Columns().Add().SetWidth(180);
        view.SetMultiSelect(true);
        view.SetDragMode(dmAutomatic);
        view.Items().SetCount(10);
        taking.SetBounds(220, 0, 170, 130);
        label.SetBounds(10, 10, 100, 30);
        refusing.SetBounds(220, 150, 170, 130);
        Hear(taking, "taking", true);
        Hear(refusing, "refusing", false);
        taking.OnDragDrop = [this](TControl& source, int x, int y) {
            Log("drop " + source.ClassName() + " " + std::to_string(x) + "," + std::to_string(y));
        };
        refusing.OnDragDrop = [this](TControl&, int, int) { Log("drop on refusing"); };
        view.OnEndDrag = [this](TControl* target, int x, int y) {
            Log("end " + (target ? target->ClassName() : std::string("none")) + " " + std::to_string(x) + ","
                + std::to_string(y));
        };
    }

    void Hear(TPanel& panel, const std::string& name, bool accepts)
    {
        panel.OnDragOver = [this, name, accepts](TControl&, int, int, TDragState state, bool& accept) {
            if (accept)
                Log("accept flag set on arrival");
            Log(name + (state == dsDragEnter ? " enter" : state == dsDragLeave ? " leave" : " move"));
            accept = accepts;
        };
    }

    // Moves repeat; the log keeps one of each run.
    void Log(const std::string& line)
    {
        if (log.empty() || log.back() != line)
            log.push_back(line);
    }

    QWidget* Rows() { return view.ClientWidget(); }
    Qt::CursorShape Cursor() { return QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor; }

    TListView& view = Make<TListView>(form);
    TPanel& taking = Make<TPanel>(form);
    TLabel& label = Make<TLabel>(taking);
    TPanel& refusing = Make<TPanel>(form);
    std::vector<std::string> log;
};

TEST_F(Drags, StartOnlyOnceThePointerHasMovedTheDragDistance)
{
    view.OnDragOver = [this](TControl&, int, int, TDragState, bool&) { Log("over"); };
    const int distance = QApplication::startDragDistance();
    for (const int moved : {distance - 1, distance}) {
        log.clear();
        PressLeft(Rows(), QPoint(20, 5));
        DragTo(Rows(), QPoint(20 + moved, 5));
        ReleaseLeft(Rows(), QPoint(20 + moved, 5));
        const std::vector<std::string> dragged{"over", "end none 0,0"};
        EXPECT_EQ(log, moved < distance ? std::vector<std::string>() : dragged) << moved;
    }
}

TEST_F(Drags, TellTargetsTheyAreEnteredAndLeftAndDropOnlyWhereTheLastAnswerAccepted)
{
    const QPoint onLabel(20, 15);
    const QPoint onTaking(30, 50);
    const QPoint onRefusing(40, 40);
    const QPoint onTheForm(-150, 40);
    // The label takes the pointer off the panel; on the way to the refusing panel it crosses it once more.
    const std::vector<std::string> across{"taking enter", "taking move", "taking leave", "taking enter",
                                          "taking move",  "taking leave", "refusing enter", "refusing move",
                                          "refusing leave"};
    enum class End { ReleaseOnTaking, ReleaseOnRefusing, ReleaseOnNothing, Escape };
    const struct { End end; std::vector<std::string> tail; } cases[] = {
        {End::ReleaseOnTaking,
         {"taking enter", "taking move", "taking leave", "drop TListView 30,50", "end TPanel 30,50"}},
        {End::ReleaseOnRefusing, {"end none 0,0"}},
        {End::ReleaseOnNothing, {"end none 0,0"}},
        {End::Escape, {"end none 0,0"}},
    };
    for (const auto& c : cases) {
        log.clear();
        PressLeft(Rows(), QPoint(20, 5));
        DragTo(taking.ClientWidget(), onTaking);
        EXPECT_EQ(Cursor(), Qt::DragCopyCursor);
        DragTo(label.Widget(), onLabel);
        EXPECT_EQ(Cursor(), Qt::ForbiddenCursor);
        DragTo(refusing.ClientWidget(), onRefusing);
        EXPECT_EQ(Cursor(), Qt::ForbiddenCursor);
        switch (c.end) {
        case End::ReleaseOnTaking:
            DragTo(taking.ClientWidget(), onTaking);
            ReleaseLeft(taking.ClientWidget(), onTaking);
            break;
        case End::ReleaseOnRefusing: ReleaseLeft(refusing.ClientWidget(), onRefusing); break;
        case End::ReleaseOnNothing:
            DragTo(refusing.ClientWidget(), onTheForm);
            ReleaseLeft(refusing.ClientWidget(), onTheForm);
            break;
        case End::Escape:
            QTest::keyClick(view.Widget(), Qt::Key_Escape);
            DragTo(label.Widget(), onLabel);
            ReleaseLeft(label.Widget(), onLabel);
            break;
        }
        std::vector<std::string> expected = across;
        expected.insert(expected.end(), c.tail.begin(), c.tail.end());
        EXPECT_EQ(log, expected) << static_cast<int>(c.end);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

// After a drop, the pointer's moves reach the control under it again, not the drag's source.
TEST_F(Drags, GiveTheMouseBackToTheControlUnderItAfterTheDrop)
{
    std::vector<std::string> moves;
    taking.OnMouseMove = [&](TShiftState, int x, int y) { moves.push_back(std::to_string(x) + "," + std::to_string(y)); };
    DragAndDrop(Rows(), QPoint(20, 5), taking.ClientWidget(), QPoint(30, 50));
    QWidget* window = form.Widget()->window();
    QTest::mouseMove(window->windowHandle(), window->mapFromGlobal(taking.ClientWidget()->mapToGlobal(QPoint(150, 100))));
    EXPECT_EQ(moves, std::vector<std::string>{"150,100"});
}

TEST_F(Drags, LeaveTimersTickingWhileTheButtonIsHeld)
{
    auto& timer = Make<TTimer>(form);
    timer.SetInterval(1);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    timer.SetEnabled(true);
    PressLeft(Rows(), QPoint(20, 5));
    DragTo(taking.ClientWidget(), QPoint(50, 50));
    EXPECT_TRUE(WaitUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(log, (std::vector<std::string>{"taking enter", "taking move"}));
    ReleaseLeft(taking.ClientWidget(), QPoint(50, 50));
}

TEST_F(Drags, TakeTheSelectedRowsOfAListViewWhileAClickOnOneSelectsItAlone)
{
    std::vector<int> dropped;
    taking.OnDragDrop = [&](TControl&, int, int) { dropped = view.SelectedRows(); };
    const int rowHeight = view.Widget()->fontMetrics().height() + 4;
    const QPoint onRow2(20, 2 * rowHeight + rowHeight / 2);
    for (const bool drag : {true, false}) {
        view.ClearSelection();
        for (int row : {1, 2, 3})
            view.SetSelected(row, true);
        if (drag)
            DragAndDrop(Rows(), onRow2, taking.ClientWidget(), QPoint(50, 50));
        else
            QTest::mouseClick(Rows(), Qt::LeftButton, {}, onRow2);
        EXPECT_EQ(view.SelectedRows(), drag ? std::vector<int>({1, 2, 3}) : std::vector<int>({2}));
    }
    EXPECT_EQ(dropped, (std::vector<int>{1, 2, 3}));
}

} // namespace
