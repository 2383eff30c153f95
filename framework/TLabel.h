#pragma once

#include "framework/TCustomLabel.h"

// One line of text that, while AutoSize is set, takes the size of its text.
class TLabel : public TCustomLabel {
public:
    explicit TLabel(TControl& parent) : TCustomLabel(parent) {}

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

protected:
    void TextChanged() override;

private:
    bool autoSize_ = true;
};
