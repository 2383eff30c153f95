#include "framework/QtColors.h"

#include <QGuiApplication>
#include <QWidget>
#include <QPalette>

namespace {

constexpr TColor PaletteFlag = 0x80000000;

QPalette::ColorRole PaletteRole(TColor color)
{
    switch (color) {
    case clWindow: return QPalette::Base;
    case clWindowText: return QPalette::Text;
    case clHighlight: return QPalette::Highlight;
    case clHighlightText: return QPalette::HighlightedText;
    default: return QPalette::Window;
    }
}

} // namespace

QColor ToQColor(TColor color)
{
    if (color & PaletteFlag)
        return QGuiApplication::palette().color(PaletteRole(color));
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color)
{
    return static_cast<TColor>(color.red()) | static_cast<TColor>(color.green()) << 8
        | static_cast<TColor>(color.blue()) << 16;
}

void PaintBackground(QWidget& widget, QPalette::ColorRole role, TColor color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, ToQColor(color));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}
