// namelistform: TNameListForm, the dialog that names a new play list.

#include "dialogs/namelistform.h"

TNameListForm* NameListForm = nullptr;

TNameListForm::TNameListForm()
{
    SetCaption("Add Play List");
}
