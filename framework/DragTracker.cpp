#include "framework/DragTracker.h"

#include "framework/QtCursors.h"
#include "framework/TControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

DragTracker& DragTracker::Instance()
{
    static DragTracker tracker;
    return tracker;
}

void DragTracker::Press(TControl& control, const QMouseEvent& press)
{
    if (source_ || press.button() != Qt::LeftButton || press.buttons() != Qt::LeftButton)
        return;
    source_ = &control;
    pressedAt_ = press.globalPosition().toPoint();
    qApp->installEventFilter(this);
}

void DragTracker::Forget(const TControl& control)
{
    if (&control == target_)
        target_ = nullptr;
    if (&control == source_)
        Disarm();
}

bool DragTracker::eventFilter(QObject* watched, QEvent* event)
{
    // A mouse event meets the filter twice: at the window, which keeps track of the
    // widget that holds the mouse, and then at that widget. Only the widget is kept from
    // it; a window kept from the release would send every later move to the drag's source.
    const bool mouse = event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease;
    if (mouse && !watched->isWidgetType())
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        // The release went elsewhere (a window that took the mouse away): the drag is over.
        if (!(move->buttons() & Qt::LeftButton)) {
            if (dragging_)
                Cancel();
            else
                Disarm();
            return false;
        }
        Move(move->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() != Qt::LeftButton)
            return true;
        if (dragging_) {
            Finish(release->globalPosition().toPoint());
            return true;
        }
        // No drag after all: the press and its release are the click they were.
        Disarm();
        return false;
    }
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        if (!dragging_ || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        event->accept();
        if (event->type() == QEvent::KeyPress)
            Cancel();
        return true;
    default:
        return false;
    }
}

void DragTracker::Move(const QPoint& at)
{
    if (!dragging_) {
        if ((at - pressedAt_).manhattanLength() < QApplication::startDragDistance())
            return;
        dragging_ = true;
        QApplication::setOverrideCursor(ToQtCursor(crNoDrop));
    }
    Track(at);
}

void DragTracker::Track(const QPoint& at)
{
    lastAt_ = at;
    TControl* target = TargetAt(at);
    if (target != target_) {
        if (target_) {
            Over(*target_, at, dsDragLeave);
            target = TargetAt(at);
        }
        target_ = target;
        if (target_)
            Over(*target_, at, dsDragEnter);
    }
    // Each handler may end the drag or free the target.
    ShowAccepted(target_ && Over(*target_, at, dsDragMove));
}

void DragTracker::Finish(const QPoint& at)
{
    Track(at);
    TControl* source = source_;
    TControl* target = target_;
    const bool accepted = LeaveTarget(at);
    if (!source_)
        return;
    Disarm();
    QPoint local;
    if (accepted && target->OnDragDrop) {
        local = target->ClientWidget()->mapFromGlobal(at);
        target->OnDragDrop(*source, local.x(), local.y());
    } else {
        target = nullptr;
    }
    if (source->OnEndDrag)
        source->OnEndDrag(target, local.x(), local.y());
}

void DragTracker::Cancel()
{
    TControl* source = source_;
    LeaveTarget(lastAt_);
    if (!source_)
        return;
    Disarm();
    if (source->OnEndDrag)
        source->OnEndDrag(nullptr, 0, 0);
}

bool DragTracker::LeaveTarget(const QPoint& at)
{
    return target_ && Over(*target_, at, dsDragLeave) && target_;
}

void DragTracker::Disarm()
{
    qApp->removeEventFilter(this);
    if (dragging_)
        QApplication::restoreOverrideCursor();
    dragging_ = false;
    source_ = nullptr;
    target_ = nullptr;
}

TControl* DragTracker::TargetAt(const QPoint& at)
{
    TControl* control = TControl::Owning(QApplication::widgetAt(at));
    while (control && !control->Enabled())
        control = control->Parent();
    return control && control->OnDragOver ? control : nullptr;
}

bool DragTracker::Over(TControl& target, const QPoint& at, TDragState state)
{
    if (!source_)
        return false;
    const QPoint local = target.ClientWidget()->mapFromGlobal(at);
    bool accept = false;
    target.OnDragOver(*source_, local.x(), local.y(), state, accept);
    return accept;
}

void DragTracker::ShowAccepted(bool accepted)
{
    if (dragging_)
        QApplication::changeOverrideCursor(ToQtCursor(accepted ? crDrag : crNoDrop));
}
