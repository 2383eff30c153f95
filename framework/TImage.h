#pragma once

#include "framework/TControl.h"

#include <string>

class QLabel;

// A picture, drawn from its top-left corner or stretched to the control.
class TImage : public TControl {
public:
    explicit TImage(TControl& parent);

    // A picture compiled in (":/name.jpg") or a file; false when it cannot be read.
    bool LoadPicture(const std::string& path);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Center() const { return center_; }
    void SetCenter(bool center);

private:
    QLabel* label_ = nullptr;
    bool stretch_ = false;
    bool center_ = false;
};
