#pragma once

#include "framework/Colors.h"

#include <QColor>
#include <QPalette>

QColor ToQColor(TColor color);
// Always a plain 0x00BBGGRR value, also for a palette colour.
TColor FromQColor(const QColor& color);

class QWidget;

// Fills the widget's background in that palette role with the colour.
void PaintBackground(QWidget& widget, QPalette::ColorRole role, TColor color);
