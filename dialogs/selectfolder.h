#pragma once

// selectfolder: TSelectFolderForm, the picker of the folder that receives a new folder.

#include "dialogs/folderpicker.h"

#include <functional>
#include <string>

class TSelectFolderForm : public TFolderPickerDialog {
public:
    TSelectFolderForm();

    // Shows the picker over `opener`; OK hands the folder to `chosen`.
    void Open(TForm& opener, std::function<void(const std::string& folder)> chosen);
    void OkClick() override;
    void CancelClick() override;

private:
    // Back to the opener, which was disabled while this one stood over it.
    void Leave();

    TForm* opener_ = nullptr;
    std::function<void(const std::string& folder)> chosen_;
};

extern TSelectFolderForm* SelectFolderForm;
