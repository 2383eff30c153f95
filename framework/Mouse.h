#pragma once

#include "framework/Geometry.h"

// Where the mouse pointer is on the desktop, in screen coordinates.
TPoint MouseCursorPos();
