// Unit4: TRenameListForm, the dialog that gives the shown play list another name.

#include "dialogs/Unit4.h"

#include "mainform/Unit1.h"

TRenameListForm* RenameListForm = nullptr;

TRenameListForm::TRenameListForm()
    : TPlayListNameForm("Rename Play List", "New Play List Name:", poScreenCenter)
{
}

void TRenameListForm::RenameList()
{
    AppForm->RenamePlayList(PlayListName->Text());
    Finish();
}
