#include "dialogs/messagebox.h"

#include "dialogs/PictureButton.h"

TMessageDialog* MessageDialog = nullptr;

TMessageDialog::TMessageDialog()
{
    SetCaption("Message!");
    SetPosition(poMainFormCenter);
    SetClientWidth(458);
    SetClientHeight(191);
    SetMinHeight(82);
    Caption = &Make<TStaticText>(*this);
    Caption->SetBounds(8, 8, 441, 137);
    Ok = &MakePictureButton(*this, ":/ok.jpg", TRect{191, 154, 266, 179}, [this] { OkClick(); });
    Ok->SetAnchors(akBottom);
}

int TMessageDialog::ShowMessage(const std::string& text)
{
    Caption->SetCaption(text);
    return ShowModal();
}

void TMessageDialog::OkClick()
{
    SetModalResult(mrOk);
}
