#pragma once

#include "framework/TComboBox.h"

#include <string>

class TDirectoryListBox;

// The roots of the mounted volumes ("/" first; Linux has no drive letters). Choosing one
// opens it in the tied folder list, then raises OnChange. The box handles OnSelect itself.
class TDriveComboBox : public TComboBox {
public:
    explicit TDriveComboBox(TControl& parent);

    std::string Drive() const { return Text(); }
    // Shows the root of the volume that holds the folder.
    void ShowDriveOf(const std::string& folder);
    void SetDirList(TDirectoryListBox* list) { dirList_ = list; }

private:
    void DriveChosen();

    TDirectoryListBox* dirList_ = nullptr;
};
