// opensourcedialog: TOpenSourceDlg, the picker of a music folder to add as a source.

#include "dialogs/opensourcedialog.h"

#include "framework/TApplication.h"

TOpenSourceDlg* OpenSourceDlg = nullptr;

TOpenSourceDlg::TOpenSourceDlg()
    : TFolderPickerDialog(452, 381, "All MP3 files in selected folder:", "*.mp3*")
{
    SetBorderStyle(bsDialog);
    SetCaption("Select MP3 Folder");
    SetPosition(poMainFormCenter);
}

void TOpenSourceDlg::OkClick()
{
    RememberShownFolder();
    if (FileListBox->Items().Count() == 0) {
        Application->MessageBox("The Folder you selected has no mp3's.\nPlease select another folder or press cancel.");
        return;
    }
    SetModalResult(mrOk);
}

void TOpenSourceDlg::CancelClick()
{
    SetModalResult(mrCancel);
}
