#pragma once

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
    // A key press that the desktop repeats while the key is held; a held key raises no
    // release until it is let go.
    ssRepeat = 128,
};

// The modifier keys and mouse buttons held during an event.
struct TShiftState {
    unsigned Flags = 0;
    bool Contains(TShiftFlag flag) const { return (Flags & flag) != 0; }
    friend bool operator==(const TShiftState&, const TShiftState&) = default;
};

// Key codes as the forms compare them: letters and digits are their upper-case
// characters, the rest the desktop's usual virtual-key numbers.
using TKey = unsigned short;

inline constexpr TKey VK_BACK = 0x08;
inline constexpr TKey VK_TAB = 0x09;
inline constexpr TKey VK_RETURN = 0x0D;
inline constexpr TKey VK_SHIFT = 0x10;
inline constexpr TKey VK_CONTROL = 0x11;
inline constexpr TKey VK_MENU = 0x12;
inline constexpr TKey VK_ESCAPE = 0x1B;
inline constexpr TKey VK_SPACE = 0x20;
inline constexpr TKey VK_PRIOR = 0x21;
inline constexpr TKey VK_NEXT = 0x22;
inline constexpr TKey VK_END = 0x23;
inline constexpr TKey VK_HOME = 0x24;
inline constexpr TKey VK_LEFT = 0x25;
inline constexpr TKey VK_UP = 0x26;
inline constexpr TKey VK_RIGHT = 0x27;
inline constexpr TKey VK_DOWN = 0x28;
inline constexpr TKey VK_INSERT = 0x2D;
inline constexpr TKey VK_DELETE = 0x2E;
inline constexpr TKey VK_F1 = 0x70;
inline constexpr TKey VK_F5 = 0x74;
inline constexpr TKey VK_F9 = 0x78;
inline constexpr TKey VK_F10 = 0x79;
// Any key that has no code of its own, so that no key press goes unreported.
inline constexpr TKey VK_OTHER = 0xFF;
