#include "framework/QtInput.h"

#include <QKeyEvent>

#include <utility>

namespace {

constexpr std::pair<int, TKey> NamedKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},   {Qt::Key_Shift, VK_SHIFT},   {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},       {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},   {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},      {Qt::Key_Left, VK_LEFT},     {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},    {Qt::Key_Down, VK_DOWN},     {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},  {Qt::Key_Semicolon, 0xBA},   {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},         {Qt::Key_Comma, 0xBC},       {Qt::Key_Minus, 0xBD},
    {Qt::Key_Period, 0xBE},       {Qt::Key_Slash, 0xBF},       {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_BracketLeft, 0xDB},  {Qt::Key_Backslash, 0xDC},   {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
};

} // namespace

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    unsigned flags = 0;
    if (modifiers & Qt::ShiftModifier)
        flags |= ssShift;
    if (modifiers & Qt::AltModifier)
        flags |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        flags |= ssCtrl;
    if (buttons & Qt::LeftButton)
        flags |= ssLeft;
    if (buttons & Qt::RightButton)
        flags |= ssRight;
    if (buttons & Qt::MiddleButton)
        flags |= ssMiddle;
    return TShiftState{flags};
}

TShiftState ShiftOf(const QKeyEvent& key)
{
    TShiftState shift = ShiftOf(key.modifiers());
    if (key.isAutoRepeat())
        shift.Flags |= ssRepeat;
    return shift;
}

TMouseButton ButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
    }
}

TKey KeyOf(int qtKey)
{
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<TKey>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<TKey>(VK_F1 + (qtKey - Qt::Key_F1));
    for (const auto& [qt, key] : NamedKeys) {
        if (qt == qtKey)
            return key;
    }
    return VK_OTHER;
}
