#pragma once

#include <QPersistentModelIndex>

class QAbstractItemView;
class QEvent;

// A right click on the rows of a list, taken as desktop lists take it: the press makes the
// row under the mouse the current row and, unless it is selected already, the only selected
// one; a press below the rows changes nothing. The context menu waits for the release, so
// that the list's OnMouseUp sees the click first also on desktops that ask for the menu on
// the press (the open menu would take the release); the row scrolls into view right before.
class RowRightClicks {
public:
    explicit RowRightClicks(QAbstractItemView& view) : view_(view) {}

    // For every event of the view's viewport, after the control raised its own mouse events;
    // true when the view must not see the event.
    bool Handle(QEvent& event);

private:
    void Choose(const QModelIndex& row);
    void Reveal();

    QAbstractItemView& view_;
    QPersistentModelIndex row_;
    bool held_ = false;
    bool menuDue_ = false;
};
