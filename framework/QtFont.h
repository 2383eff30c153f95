#pragma once

#include "framework/TFont.h"

#include <QFont>

// The font starting from `base`, with every value the TFont sets.
QFont ToQFont(const TFont& font, QFont base);
