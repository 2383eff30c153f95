#include "framework/Mouse.h"

#include <QCursor>

TPoint MouseCursorPos()
{
    const QPoint at = QCursor::pos();
    return TPoint{at.x(), at.y()};
}
