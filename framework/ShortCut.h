#pragma once

#include "framework/Input.h"

// A key with its modifiers as one number: the virtual-key code plus these flags.
using TShortCut = unsigned short;

inline constexpr TShortCut scNone = 0;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
