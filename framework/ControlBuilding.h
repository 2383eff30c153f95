#pragma once

#include "framework/Geometry.h"
#include "framework/TLabel.h"

#include <string>

// Steps that building a form's controls in code repeats.

// A hint that shows while the mouse rests on the control.
void ShowHintOf(TControl& control, const std::string& hint);

// A label sized to its caption, its top left corner at left, top.
TLabel& MakeLabel(TControl& parent, int left, int top, const std::string& caption);

// A label that keeps its bounds, whatever caption it is given later.
TLabel& MakeFixedLabel(TControl& parent, const TRect& bounds, const std::string& caption);
