#pragma once

// selectfolder: TSelectFolderForm, the picker of the folder that receives a new folder.

#include "framework/TForm.h"

class TSelectFolderForm : public TForm {
public:
    TSelectFolderForm();
};

extern TSelectFolderForm* SelectFolderForm;
