#pragma once

#include "framework/TControl.h"

#include <string>

class QToolButton;

// A flat button that shows a picture. Down keeps it drawn pressed; only the program
// sets it, a click does not.
class TSpeedButton : public TControl {
public:
    explicit TSpeedButton(TControl& parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    // A picture compiled in (":/name.jpg") or a file; false when it cannot be read.
    bool LoadGlyph(const std::string& path);
    bool Down() const { return down_; }
    void SetDown(bool down);

protected:
    bool ClicksOnMouseUp() const override { return false; }

private:
    QToolButton* button_ = nullptr;
    std::string caption_;
    bool down_ = false;
};
