// selectfolder: TSelectFolderForm, the picker of the folder that receives a new folder.

#include "dialogs/selectfolder.h"

#include "dialogs/foldercreate.h"

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

void TSelectFolderForm::OkClick()
{
    RememberShownFolder();
    CreateFolderForm->FolderLocation = Folder;
    CreateFolderForm->FolderPathLabel->SetCaption(Folder);
    Leave();
}

void TSelectFolderForm::CancelClick()
{
    Leave();
}

void TSelectFolderForm::Leave()
{
    CreateFolderForm->SetEnabled(true);
    SetEnabled(false);
    Hide();
}
