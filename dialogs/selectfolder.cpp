// selectfolder: TSelectFolderForm, the picker of the folder that receives a new folder.

#include "dialogs/selectfolder.h"

#include <utility>

TSelectFolderForm* SelectFolderForm = nullptr;

TSelectFolderForm::TSelectFolderForm()
    : TFolderPickerDialog(487, 372, AllFilesCaption, "*")
{
    SetFormStyle(fsStayOnTop);
    SetCaption("Choose Folder to Place New Folder In");
    SetPosition(poMainFormCenter);
    // The close box is Cancel.
    OnClose = [this](TCloseAction& action) {
        action = caNone;
        CancelClick();
    };
}

void TSelectFolderForm::Open(TForm& opener, std::function<void(const std::string& folder)> chosen)
{
    opener_ = &opener;
    chosen_ = std::move(chosen);
    SetEnabled(true);
    Show();
}

void TSelectFolderForm::OkClick()
{
    RememberShownFolder();
    chosen_(Folder);
    Leave();
}

void TSelectFolderForm::CancelClick()
{
    Leave();
}

void TSelectFolderForm::Leave()
{
    opener_->SetEnabled(true);
    SetEnabled(false);
    Hide();
}
