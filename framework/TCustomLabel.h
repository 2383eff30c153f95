#pragma once

#include "framework/TControl.h"

#include <string>

class QLabel;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A text that the user cannot edit: what TLabel and TStaticText share.
class TCustomLabel : public TControl {
public:
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // A transparent label shows its parent through it instead of its own colour.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

protected:
    explicit TCustomLabel(TControl& parent);

    void ApplyColor() override;
    // Called after the caption or the font changed.
    virtual void TextChanged() {}
    QLabel& Label() const { return *label_; }

private:
    void ApplyFont() override;

    QLabel* label_ = nullptr;
    std::string caption_;
    TAlignment alignment_ = taLeftJustify;
    bool transparent_ = false;
};
