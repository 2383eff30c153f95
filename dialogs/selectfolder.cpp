// selectfolder: TSelectFolderForm, the picker of the folder that receives a new folder.

#include "dialogs/selectfolder.h"

TSelectFolderForm* SelectFolderForm = nullptr;

TSelectFolderForm::TSelectFolderForm()
{
    SetCaption("Choose Folder to Place New Folder In");
}
