#pragma once

#include "framework/TCustomLabel.h"

// A text of fixed size, broken into lines at its line breaks and wrapped at its width.
class TStaticText : public TCustomLabel {
public:
    explicit TStaticText(TControl& parent);

    // The height that shows the whole text at the present width.
    int TextHeight() const;
};
