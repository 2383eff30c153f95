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

void PaintBackground(QWidget& widget, QPalette::ColorRole role, TColor color)
{
    const QColor background = ToQColor(color);
    QPalette palette = widget.palette();
    palette.setColor(role, background);
    MatchDisabledText(palette, background);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void MatchDisabledText(QPalette& palette, const QColor& background)
{
    for (const auto text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        const QColor ink = palette.color(QPalette::Active, text);
        palette.setColor(QPalette::Disabled, text,
                         QColor((ink.red() + background.red()) / 2, (ink.green() + background.green()) / 2,
                                (ink.blue() + background.blue()) / 2));
    }
}
