#pragma once

#include "framework/Colors.h"

// What a canvas fills with.
class TBrush {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }

private:
    TColor color_ = clWhite;
};
