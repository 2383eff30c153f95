#pragma once

#include "framework/TForm.h"

// The dialog that copies a play list's songs into a new folder.
class TCreateFolderForm : public TForm {
public:
    TCreateFolderForm();
};

extern TCreateFolderForm* CreateFolderForm;
