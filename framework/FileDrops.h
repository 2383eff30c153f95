#pragma once

#include <QObject>

// Files dragged from the desktop go to the window they are dropped on, whatever lies under
// the pointer: an edit or a list would otherwise take the names as text, or refuse them.
// A window that does not accept files refuses them everywhere on it.
class FileDrops final : public QObject {
public:
    // Starts watching the application's drops; once is enough.
    static void Watch();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
