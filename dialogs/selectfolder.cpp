#include "dialogs/selectfolder.h"

TSelectFolderForm* SelectFolderForm = nullptr;

TSelectFolderForm::TSelectFolderForm()
{
    SetCaption("Choose Folder to Place New Folder In");
}
