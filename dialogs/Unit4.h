#pragma once

#include "framework/TForm.h"

// The dialog that gives a play list another name.
class TRenameListForm : public TForm {
public:
    TRenameListForm();
};

extern TRenameListForm* RenameListForm;
