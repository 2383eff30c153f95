#include "framework/RowRightClicks.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <utility>

bool RowRightClicks::Handle(QEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<QMouseEvent&>(event);
        if (mouse.button() != Qt::RightButton)
            return false;
        if (event.type() == QEvent::MouseButtonPress) {
            held_ = true;
            Choose(view_.indexAt(mouse.position().toPoint()));
        } else if (event.type() == QEvent::MouseButtonRelease) {
            held_ = false;
            Reveal();
            if (std::exchange(menuDue_, false)) {
                QContextMenuEvent menu(QContextMenuEvent::Mouse, mouse.position().toPoint(),
                                       mouse.globalPosition().toPoint(), mouse.modifiers());
                QApplication::sendEvent(view_.viewport(), &menu);
            }
        }
        return true;
    }
    case QEvent::ContextMenu:
        if (!held_ || static_cast<QContextMenuEvent&>(event).reason() != QContextMenuEvent::Mouse)
            return false;
        menuDue_ = true;
        return true;
    default:
        return false;
    }
}

void RowRightClicks::Choose(const QModelIndex& row)
{
    row_ = row;
    if (!row.isValid())
        return;
    QItemSelectionModel& selection = *view_.selectionModel();
    if (!selection.isSelected(row))
        selection.select(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    // Scrolling now would move another row under the mouse before the release reads it.
    const bool autoScroll = view_.hasAutoScroll();
    view_.setAutoScroll(false);
    selection.setCurrentIndex(row, QItemSelectionModel::NoUpdate);
    view_.setAutoScroll(autoScroll);
}

// Up or down only: the columns stay where the user scrolled them.
void RowRightClicks::Reveal()
{
    if (!row_.isValid())
        return;
    QScrollBar& across = *view_.horizontalScrollBar();
    const int left = across.value();
    view_.scrollTo(row_);
    across.setValue(left);
}
