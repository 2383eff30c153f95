#include "dialogs/qeastiondlg.h"

#include "dialogs/PictureButton.h"

TQuestionDialog* QuestionDialog = nullptr;

TQuestionDialog::TQuestionDialog()
{
    SetPosition(poScreenCenter);
    SetClientWidth(317);
    SetClientHeight(143);
    Caption = &Make<TStaticText>(*this);
    Caption->SetBounds(8, 8, 301, 82);
    Caption->SetAnchors(akLeft | akTop | akRight | akBottom);
    Ok = &MakePictureButton(*this, ":/ok.jpg", TRect{72, 106, 147, 131}, [this] { OkClick(); });
    Cancel = &MakePictureButton(*this, ":/cancel.jpg", TRect{170, 106, 245, 131}, [this] { CancelClick(); });
    Ok->SetAnchors(akBottom);
    Cancel->SetAnchors(akBottom);
}

int TQuestionDialog::Ask(const std::string& caption, const std::string& question)
{
    SetCaption(caption);
    Caption->SetCaption(question);
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
