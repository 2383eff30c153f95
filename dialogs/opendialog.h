#pragma once

// opendialog: TOpenDlg, the M3U file dialog.

#include "dialogs/filesystemdialog.h"
#include "framework/TCheckBox.h"
#include "framework/TEdit.h"

#include <cstdint>
#include <string>

class TOpenDlg : public TFileSystemDialog {
public:
    TOpenDlg();

    // Shows the dialog with the caption and the file name, to open (mode 0) or to save
    // (mode 1); returns 1 after OK, 2 after Cancel or the close box.
    int Execute(const std::string& title, const std::string& fileName, std::uint8_t mode);
    static constexpr std::uint8_t OpenMode = 0;
    static constexpr std::uint8_t SaveMode = 1;
    void FormShow();
    void FormActivate();
    void DirectoryListBoxClick();
    void DirectoryListBoxDblClick();
    void FileListBoxClick();
    void OkClick() override;
    void CancelClick() override;

    // The file that the dialog chose: the name typed, which may hold folders, below Folder.
    std::string FilePath() const;

    std::uint8_t Mode = 0;
    std::string FileName;
    std::string Title;

    TLabel* FileNameLabel = nullptr;
    TEdit* FileEdit = nullptr;
    TCheckBox* FullPath = nullptr;

private:
    // Whether a file stands where the chosen one would be written.
    bool FileExists() const;
};

extern TOpenDlg* OpenDlg;
