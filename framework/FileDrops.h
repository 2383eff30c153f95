#pragma once

#include <QObject>

#include <string>
#include <vector>

class QMimeData;

// Files dragged from the desktop go to the window they are dropped on, whatever lies under
// the pointer: an edit or a list would otherwise take the names as text, or refuse them.
// A window that does not accept files refuses them everywhere on it.
class FileDrops final : public QObject {
public:
    // Starts watching the application's drops; once is enough.
    static void Watch();

    // The names of the local files the drag carries, byte for byte as the file system
    // has them.
    static std::vector<std::string> LocalFiles(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
