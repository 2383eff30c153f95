#pragma once

#include "framework/Colors.h"

#include <functional>
#include <string>

// The font of a control or a canvas. Unset values (an empty name, size 0) keep the
// desktop's default font.
class TFont {
public:
    const std::string& Name() const { return name_; }
    void SetName(std::string name);
    // In points.
    int Size() const { return size_; }
    void SetSize(int points);
    // In pixels; the forms write it negative, as the character height.
    int Height() const { return height_; }
    void SetHeight(int height);
    bool Bold() const { return bold_; }
    void SetBold(bool bold);
    bool Italic() const { return italic_; }
    void SetItalic(bool italic);
    bool Underline() const { return underline_; }
    void SetUnderline(bool underline);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // Takes every value of another font, not its OnChange.
    void Assign(const TFont& other);

    std::function<void()> OnChange;

private:
    void Changed();

    std::string name_;
    int size_ = 0;
    int height_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    TColor color_ = clWindowText;
};
