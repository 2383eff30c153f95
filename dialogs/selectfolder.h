#pragma once

// selectfolder: TSelectFolderForm, the picker of the folder that receives a new folder.

#include "dialogs/folderpicker.h"

class TSelectFolderForm : public TFolderPickerDialog {
public:
    TSelectFolderForm();

    // Hands the folder to the Create Folder dialog.
    void OkClick() override;
    void CancelClick() override;

private:
    // Back to the Create Folder dialog, which was disabled while this one stood over it.
    void Leave();
};

extern TSelectFolderForm* SelectFolderForm;
