#pragma once

#include "framework/TForm.h"
#include "framework/TSpeedButton.h"
#include "framework/TStaticText.h"

#include <string>

// The one-button box through which most errors and notices are shown.
class TMessageDialog : public TForm {
public:
    TMessageDialog();

    // Shows the text modally; 1 after OK, 2 after the close box.
    int ShowMessage(const std::string& text);
    void OkClick();

    TStaticText* Caption = nullptr;
    TSpeedButton* Ok = nullptr;
};

extern TMessageDialog* MessageDialog;
