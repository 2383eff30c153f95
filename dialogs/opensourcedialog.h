#pragma once

// opensourcedialog: TOpenSourceDlg, the picker of a music folder to add as a source.

#include "dialogs/folderpicker.h"

#include <string>

class TOpenSourceDlg : public TFolderPickerDialog {
public:
    TOpenSourceDlg();

    std::string GetFolder() const { return Folder; }
    void OkClick() override;
    void CancelClick() override;
};

extern TOpenSourceDlg* OpenSourceDlg;
