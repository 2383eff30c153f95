#pragma once

// Unit4: TRenameListForm, the dialog that gives the shown play list another name.

#include "dialogs/namelistform.h"

class TRenameListForm : public TPlayListNameForm {
public:
    TRenameListForm();

    void RenameList();

protected:
    void Accept() override { RenameList(); }
};

extern TRenameListForm* RenameListForm;
