// Unit4: TRenameListForm, the dialog that gives a play list another name.

#include "dialogs/Unit4.h"

TRenameListForm* RenameListForm = nullptr;

TRenameListForm::TRenameListForm()
{
    SetCaption("Rename Play List");
}
