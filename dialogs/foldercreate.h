#pragma once

// foldercreate: TCreateFolderForm, the dialog that copies a play list's songs into a new folder.

#include "framework/TForm.h"
#include "framework/TLabel.h"

#include <string>

class TCreateFolderForm : public TForm {
public:
    TCreateFolderForm();

    // The folder that receives the new folder, as the location picker chose it.
    std::string FolderLocation;
    TLabel* FolderPathLabel = nullptr;
};

extern TCreateFolderForm* CreateFolderForm;
