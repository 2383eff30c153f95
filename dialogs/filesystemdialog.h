#pragma once

// filesystemdialog: what the file and folder dialogs share: a drive list tied to a folder
// list tied to a file list, their labels, and OK and Cancel at the bottom right.

#include "framework/TDirectoryListBox.h"
#include "framework/TDriveComboBox.h"
#include "framework/TFileListBox.h"
#include "framework/TForm.h"
#include "framework/TLabel.h"
#include "framework/TSpeedButton.h"

#include <string>

// The file list's label in the dialogs that list every kind of file.
inline constexpr const char* AllFilesCaption = "All files in selected folder:";

class TFileSystemDialog : public TForm {
public:
    virtual void OkClick() = 0;
    virtual void CancelClick() = 0;

    TLabel* FoldersLabel = nullptr;
    TDriveComboBox* DriveComboBox = nullptr;
    TDirectoryListBox* DirectoryListBox = nullptr;
    TLabel* FilesLabel = nullptr;
    TFileListBox* FileListBox = nullptr;
    TSpeedButton* Ok = nullptr;
    TSpeedButton* Cancel = nullptr;

    // The folder the dialog acts on; empty until the first choice of a run.
    std::string Folder;

protected:
    TFileSystemDialog(int clientWidth, int clientHeight, const std::string& filesCaption,
                      const std::string& fileMask);

    // The lists start in the process's current folder when the dialog first shows, not
    // when the program starts, which would list it for dialogs most runs never open; they
    // keep their folder between uses. Runs on every show unless a form hooks OnShow itself.
    void OpenStartFolder();

    // The folder that the lists show, the one whose files the user saw: also before any
    // row was clicked and after another drive was chosen.
    void RememberShownFolder() { Folder = DirectoryListBox->Directory(); }
};
