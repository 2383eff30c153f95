#include "framework/TFont.h"

#include <utility>

void TFont::SetName(std::string name)
{
    name_ = std::move(name);
    Changed();
}

void TFont::SetSize(int points)
{
    size_ = points;
    height_ = 0;
    Changed();
}

void TFont::SetHeight(int height)
{
    height_ = height;
    size_ = 0;
    Changed();
}

void TFont::SetBold(bool bold)
{
    bold_ = bold;
    Changed();
}

void TFont::SetItalic(bool italic)
{
    italic_ = italic;
    Changed();
}

void TFont::SetUnderline(bool underline)
{
    underline_ = underline;
    Changed();
}

void TFont::SetColor(TColor color)
{
    color_ = color;
    Changed();
}

void TFont::Assign(const TFont& other)
{
    name_ = other.name_;
    size_ = other.size_;
    height_ = other.height_;
    bold_ = other.bold_;
    italic_ = other.italic_;
    underline_ = other.underline_;
    color_ = other.color_;
    Changed();
}

void TFont::Changed()
{
    if (OnChange)
        OnChange();
}
