#pragma once

#include "framework/TControl.h"

#include <string>

class QGroupBox;

// A framed group of controls with a caption in its frame.
class TGroupBox : public TControl {
public:
    explicit TGroupBox(TControl& parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

private:
    QGroupBox* box_ = nullptr;
    std::string caption_;
};
