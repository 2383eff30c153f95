#pragma once

// foldercreate: TCreateFolderForm, the dialog that copies a play list's songs into a new folder.

#include "framework/TForm.h"

class TCreateFolderForm : public TForm {
public:
    TCreateFolderForm();
};

extern TCreateFolderForm* CreateFolderForm;
