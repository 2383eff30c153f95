#include "dialogs/namelistform.h"

TNameListForm* NameListForm = nullptr;

TNameListForm::TNameListForm()
{
    SetCaption("Add Play List");
}
