// Create Folder: the dialog opened on the shown play list.

#include "mainform/Unit1.h"

#include "dialogs/foldercreate.h"

void TAppForm::CreateFolderActionExecute()
{
    OpenCreateFolderForm();
}

void TAppForm::OpenCreateFolderForm()
{
    if (Model.GetMode() != VT::Manager::PlayListShown)
        return;
    CreateFolderForm->Open(Model.GetSelected(), *this);
    SetEnabled(false);
}
