#pragma once

#include "framework/Colors.h"

#include <QColor>
#include <QPalette>

QColor ToQColor(TColor color);

class QWidget;

// Fills the widget's background in that palette role with the colour.
void PaintBackground(QWidget& widget, QPalette::ColorRole role, TColor color);

// Disabled texts are drawn half way between their own colour and the background: the
// desktop's grey for them vanishes on a silver or grey form.
void MatchDisabledText(QPalette& palette, const QColor& background);
