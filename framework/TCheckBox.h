#pragma once

#include "framework/TControl.h"

#include <string>

class QCheckBox;

// OnClick follows every change of Checked, whether the user clicked or the program set it.
class TCheckBox : public TControl {
public:
    explicit TCheckBox(TControl& parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    bool Checked() const;
    void SetChecked(bool checked);

protected:
    bool ClicksOnMouseUp() const override { return false; }

private:
    QCheckBox* box_ = nullptr;
    std::string caption_;
};
