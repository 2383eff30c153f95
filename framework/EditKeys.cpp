#include "framework/EditKeys.h"

#include <QKeyEvent>

namespace {

constexpr Qt::KeyboardModifiers Shift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;

bool IsClipboardOrUndo(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers == (Ctrl | Shift))
        return key == Qt::Key_Z;
    if (modifiers != Ctrl)
        return false;
    switch (key) {
    case Qt::Key_A:
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_X:
    case Qt::Key_Y:
    case Qt::Key_Z: return true;
    default: return false;
    }
}

} // namespace

bool IsEditKey(const QKeyEvent& event)
{
    // The keypad and the second key group (AltGr) make no other key of it.
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = event.key();
    // Qt numbers every key that types a character below Escape.
    if (key < Qt::Key_Escape)
        return (modifiers & ~Shift) == 0 || IsClipboardOrUndo(key, modifiers);
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Backspace:
    case Qt::Key_Delete: return (modifiers & ~(Shift | Ctrl)) == 0;
    case Qt::Key_Insert: return modifiers == Shift || modifiers == Ctrl;
    default: return false;
    }
}
