// folderpicker: the click rules that the two folder pickers share.

#include "dialogs/folderpicker.h"

TFolderPickerDialog::TFolderPickerDialog(int clientWidth, int clientHeight, const std::string& filesCaption,
                                         const std::string& fileMask)
    : TFileSystemDialog(clientWidth, clientHeight, filesCaption, fileMask)
{
    DirectoryListBox->OnClick = [this] { DirectoryListBoxClick(); };
    DirectoryListBox->OnDblClick = [this] { DirectoryListBoxDblClick(); };
}

void TFolderPickerDialog::DirectoryListBoxClick()
{
    clicked_ = DirectoryListBox->GetItemPath(DirectoryListBox->ItemIndex());
    if (clicked_.empty())
        return;
    if (clicked_ == Folder) {
        OkClick();
        return;
    }
    Folder = clicked_;
    DirectoryListBox->SetDirectory(Folder);
}

void TFolderPickerDialog::DirectoryListBoxDblClick()
{
    if (clicked_.empty())
        return;
    Folder = clicked_;
    OkClick();
}
