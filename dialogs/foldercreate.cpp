// foldercreate: TCreateFolderForm, the dialog that copies a play list's songs into a new folder.

#include "dialogs/foldercreate.h"

TCreateFolderForm* CreateFolderForm = nullptr;

TCreateFolderForm::TCreateFolderForm()
{
    SetCaption("Create a folder on your computer with all the songs in the play list");
    FolderPathLabel = &Make<TLabel>(*this);
    FolderPathLabel->SetBounds(8, 60, 400, 16);
    FolderPathLabel->SetAutoSize(false);
}
