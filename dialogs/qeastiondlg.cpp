// qeastiondlg: TQuestionDialog, the OK/Cancel question box.

#include "dialogs/qeastiondlg.h"

#include "framework/PictureButton.h"

TQuestionDialog* QuestionDialog = nullptr;

TQuestionDialog::TQuestionDialog()
{
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(317);
    SetClientHeight(143);
    CaptionText = &Make<TStaticText>(*this);
    CaptionText->SetBounds(8, 8, 301, 82);
    CaptionText->SetAnchors(akLeft | akTop | akRight | akBottom);
    Ok = &MakePictureButton(*this, ":/ok.jpg", TRect{72, 106, 147, 131}, [this] { OkClick(); });
    Cancel = &MakePictureButton(*this, ":/cancel.jpg", TRect{170, 106, 245, 131}, [this] { CancelClick(); });
    Ok->SetAnchors(akBottom);
    Cancel->SetAnchors(akBottom);
}

int TQuestionDialog::Ask(const std::string& caption, const std::string& question)
{
    SetCaption(caption);
    CaptionText->SetCaption(question);
    return ShowModal();
}

void TQuestionDialog::OkClick()
{
    SetModalResult(mrOk);
}

void TQuestionDialog::CancelClick()
{
    SetModalResult(mrCancel);
}
