#pragma once

// folderpicker: the click rules that the two folder pickers share.

#include "dialogs/filesystemdialog.h"

#include <string>

// A folder dialog that remembers the folder the user chose in its folder list. A click on
// the remembered folder's row acts as OK; a click on another row remembers that folder
// and opens it; a double click remembers the row's folder and acts as OK.
class TFolderPickerDialog : public TFileSystemDialog {
public:
    void DirectoryListBoxClick();
    void DirectoryListBoxDblClick();

protected:
    TFolderPickerDialog(int clientWidth, int clientHeight, const std::string& filesCaption,
                        const std::string& fileMask);

private:
    // The row a double click began on: its first click may already have re-listed the rows.
    std::string clicked_;
};
