#pragma once

// namelistform: TNameListForm, the dialog that names a new play list.

#include "framework/TForm.h"

class TNameListForm : public TForm {
public:
    TNameListForm();
};

extern TNameListForm* NameListForm;
