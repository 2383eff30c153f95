#pragma once

#include "framework/Input.h"

#include <Qt>

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);
TMouseButton ButtonOf(Qt::MouseButton button);
TKey KeyOf(int qtKey);
