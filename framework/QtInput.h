#pragma once

#include "framework/Input.h"

#include <Qt>

class QKeyEvent;

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);
TShiftState ShiftOf(const QKeyEvent& key);
TMouseButton ButtonOf(Qt::MouseButton button);
TKey KeyOf(int qtKey);
