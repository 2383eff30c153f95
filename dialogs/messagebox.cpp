// messagebox: TMessageDialog, the one-button message box.

#include "dialogs/messagebox.h"

#include "framework/PictureButton.h"

TMessageDialog* MessageDialog = nullptr;

TMessageDialog::TMessageDialog()
{
    SetBorderStyle(bsDialog);
    SetCaption("Message!");
    SetPosition(poMainFormCenter);
    SetClientWidth(458);
    SetClientHeight(191);
    SetMinHeight(82);
    CaptionText = &Make<TStaticText>(*this);
    CaptionText->SetBounds(8, 8, 441, 137);
    Ok = &MakePictureButton(*this, ":/ok.jpg", TRect{191, 154, 266, 179}, [this] { OkClick(); });
    Ok->SetAnchors(akBottom);
}

int TMessageDialog::ShowMessage(const std::string& text)
{
    CaptionText->SetCaption(text);
    return ShowModal();
}

void TMessageDialog::OkClick()
{
    SetModalResult(mrOk);
}
