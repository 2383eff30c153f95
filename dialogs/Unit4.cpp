#include "dialogs/Unit4.h"

TRenameListForm* RenameListForm = nullptr;

TRenameListForm::TRenameListForm()
{
    SetCaption("Rename Play List");
}
