#pragma once

#include "framework/TControl.h"

#include <string>

class QPushButton;

class TButton : public TControl {
public:
    explicit TButton(TControl& parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

protected:
    bool ClicksOnMouseUp() const override { return false; }

private:
    QPushButton* button_ = nullptr;
    std::string caption_;
};
