#pragma once

#include "framework/TControl.h"

#include <QObject>
#include <QPoint>

class QEvent;
class QMouseEvent;

// The drag inside the window, one at a time. A left press on a control whose DragMode is
// dmAutomatic arms it; a move past the desktop's drag distance starts it. From the press on,
// the mouse moves come here instead of to any widget (the pressed widget's implicit grab keeps
// them coming), and so does the release that ends a drag: a list view neither selects rows as
// the pointer passes nor takes the release as a click, so it keeps the rows the drag took.
// No nested event loop runs: every timer keeps ticking throughout.
class DragTracker final : public QObject {
public:
    static DragTracker& Instance();

    // For a press on the client widget of a control whose DragMode is dmAutomatic.
    void Press(TControl& control, const QMouseEvent& press);
    // The control is going: a drag from it ends without a word, a target stops hearing it.
    void Forget(const TControl& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Move(const QPoint& at);
    void Track(const QPoint& at);
    void Finish(const QPoint& at);
    void Cancel();
    // Ends the drag's hold on the application: the filter and the cursor.
    void Disarm();
    // The drag ends: the target hears its last leave; true when it accepted.
    bool LeaveTarget(const QPoint& at);
    // The innermost enabled control under the point, when it hears drags: one without a
    // handler refuses them, whatever its parents would take.
    static TControl* TargetAt(const QPoint& at);
    bool Over(TControl& target, const QPoint& at, TDragState state);
    void ShowAccepted(bool accepted);

    TControl* source_ = nullptr;
    TControl* target_ = nullptr;
    QPoint pressedAt_;
    QPoint lastAt_;
    bool dragging_ = false;
};
