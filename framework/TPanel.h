#pragma once

#include "framework/BorderStyle.h"
#include "framework/TControl.h"

#include <string>

class QLabel;

enum TBevelCut { bvNone, bvLowered, bvRaised };

// A coloured area with a centred caption that holds other controls.
class TPanel : public TControl {
public:
    explicit TPanel(TControl& parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);

private:
    void ApplyFrame();

    QLabel* label_ = nullptr;
    std::string caption_;
    TBevelCut bevelOuter_ = bvRaised;
    TBorderStyle borderStyle_ = bsNone;
};
