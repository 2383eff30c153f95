#pragma once

#include "framework/ShortCut.h"

#include <QKeySequence>

QKeySequence ToQKeySequence(TShortCut shortCut);
