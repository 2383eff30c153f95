#pragma once

#include "framework/TForm.h"

// The picker of the folder that receives a new folder.
class TSelectFolderForm : public TForm {
public:
    TSelectFolderForm();
};

extern TSelectFolderForm* SelectFolderForm;
