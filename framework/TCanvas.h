#pragma once

#include "framework/Geometry.h"
#include "framework/TBrush.h"
#include "framework/TFont.h"

#include <string>

class QPainter;

// What a draw handler paints with. It paints only while the framework draws.
class TCanvas {
public:
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }

    void FillRect(const TRect& rect);
    // The text with its top-left corner at (x, y), in the font and its colour.
    void TextOut(int x, int y, const std::string& text);

    // The framework's side: the painter of the paint under way.
    void Begin(QPainter& painter) { painter_ = &painter; }
    void End() { painter_ = nullptr; }

private:
    QPainter* painter_ = nullptr;
    TBrush brush_;
    TFont font_;
};
