#pragma once

// messagebox: TMessageDialog, the one-button message box.

#include "framework/TForm.h"
#include "framework/TSpeedButton.h"
#include "framework/TStaticText.h"

#include <string>

class TMessageDialog : public TForm {
public:
    TMessageDialog();

    // Shows the text modally; 1 after OK, 2 after the close box.
    int ShowMessage(const std::string& text);
    void OkClick();

    // Shows the message; the window's own caption stays Caption().
    TStaticText* CaptionText = nullptr;
    TSpeedButton* Ok = nullptr;
};

extern TMessageDialog* MessageDialog;
