#pragma once

// qeastiondlg: TQuestionDialog, the OK/Cancel question box.

#include "framework/TForm.h"
#include "framework/TSpeedButton.h"
#include "framework/TStaticText.h"

#include <string>

class TQuestionDialog : public TForm {
public:
    TQuestionDialog();

    // Shows the question modally under the window caption; 1 for OK, 2 for Cancel or
    // the close box.
    int Ask(const std::string& caption, const std::string& question);
    void OkClick();
    void CancelClick();

    // Shows the question; the window's own caption stays Caption().
    TStaticText* CaptionText = nullptr;
    TSpeedButton* Ok = nullptr;
    TSpeedButton* Cancel = nullptr;
};

extern TQuestionDialog* QuestionDialog;
