// foldercreate: TCreateFolderForm, the dialog that copies a play list's songs into a new folder.

#include "dialogs/foldercreate.h"

TCreateFolderForm* CreateFolderForm = nullptr;

TCreateFolderForm::TCreateFolderForm()
{
    SetCaption("Create a folder on your computer with all the songs in the play list");
}
