#pragma once

#include "framework/TControl.h"

#include <Qt>

Qt::CursorShape ToQtCursor(TCursor cursor);
