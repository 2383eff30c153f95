#pragma once

// Unit4: TRenameListForm, the dialog that gives a play list another name.

#include "framework/TForm.h"

class TRenameListForm : public TForm {
public:
    TRenameListForm();
};

extern TRenameListForm* RenameListForm;
