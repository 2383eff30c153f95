#include "framework/QtFont.h"

#include "framework/TextConversion.h"

#include <cstdlib>

QFont ToQFont(const TFont& font, QFont base)
{
    if (!font.Name().empty())
        base.setFamily(ToQt(font.Name()));
    if (font.Size() > 0)
        base.setPointSize(font.Size());
    if (font.Height() != 0)
        base.setPixelSize(std::abs(font.Height()));
    base.setBold(font.Bold());
    base.setItalic(font.Italic());
    base.setUnderline(font.Underline());
    return base;
}
