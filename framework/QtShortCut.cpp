#include "framework/QtShortCut.h"

#include "framework/QtInput.h"

namespace {

constexpr TShortCut KeyPart = 0x1FFF;

// The Qt key that KeyOf reads as `key`: printable keys, then the keys Qt numbers from
// Key_Escape on (the function and editing keys).
int QtKeyOf(TKey key)
{
    for (int qtKey = Qt::Key_Space; qtKey <= Qt::Key_AsciiTilde; ++qtKey) {
        if (KeyOf(qtKey) == key)
            return qtKey;
    }
    for (int qtKey = Qt::Key_Escape; qtKey <= Qt::Key_F35; ++qtKey) {
        if (KeyOf(qtKey) == key)
            return qtKey;
    }
    return Qt::Key_unknown;
}

} // namespace

QKeySequence ToQKeySequence(TShortCut shortCut)
{
    if (shortCut == scNone)
        return {};
    Qt::KeyboardModifiers modifiers;
    if (shortCut & scShift)
        modifiers |= Qt::ShiftModifier;
    if (shortCut & scCtrl)
        modifiers |= Qt::ControlModifier;
    if (shortCut & scAlt)
        modifiers |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(QtKeyOf(shortCut & KeyPart))));
}
