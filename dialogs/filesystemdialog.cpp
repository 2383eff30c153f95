// filesystemdialog: what the file and folder dialogs share.

#include "dialogs/filesystemdialog.h"

#include "framework/PictureButton.h"
#include "platform/Folders.h"


namespace {

constexpr int Margin = 8;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;

// The root stands in for a current folder that can no longer be told.
std::string StartFolder()
{
    const std::string current = Platform::CurrentFolder();
    return current.empty() ? std::string("/") : current;
}

} // namespace

TFileSystemDialog::TFileSystemDialog(int clientWidth, int clientHeight, const std::string& filesCaption,
                                     const std::string& fileMask)
{
    SetClientWidth(clientWidth);
    SetClientHeight(clientHeight);
    const int half = (clientWidth - 3 * Margin) / 2;
    const int listsBottom = clientHeight - 2 * Margin - ButtonHeight;

    FoldersLabel = &Make<TLabel>(*this);
    FoldersLabel->SetBounds(Margin, Margin, half, 16);
    FoldersLabel->SetCaption("All folders in selected drive:");
    DriveComboBox = &Make<TDriveComboBox>(*this);
    DriveComboBox->SetBounds(Margin, 28, half, 22);
    DirectoryListBox = &Make<TDirectoryListBox>(*this);
    DirectoryListBox->SetBounds(Margin, 56, half, listsBottom - 56);

    FilesLabel = &Make<TLabel>(*this);
    FilesLabel->SetBounds(2 * Margin + half, Margin, half, 16);
    FilesLabel->SetCaption(filesCaption);
    FileListBox = &Make<TFileListBox>(*this);
    FileListBox->SetBounds(2 * Margin + half, 28, half, listsBottom - 28);
    FileListBox->SetMask(fileMask);

    const int buttonTop = clientHeight - Margin - ButtonHeight;
    Ok = &MakePictureButton(*this, ":/ok.jpg",
                            TRect{clientWidth - 2 * (Margin + ButtonWidth), buttonTop,
                                  clientWidth - 2 * Margin - ButtonWidth, buttonTop + ButtonHeight},
                            [this] { OkClick(); });
    Cancel = &MakePictureButton(*this, ":/cancel.jpg",
                                TRect{clientWidth - Margin - ButtonWidth, buttonTop, clientWidth - Margin,
                                      buttonTop + ButtonHeight},
                                [this] { CancelClick(); });

    DriveComboBox->OnChange = [this] { RememberShownFolder(); };
    DriveComboBox->SetDirList(DirectoryListBox);
    DirectoryListBox->SetFileList(FileListBox);
    OnShow = [this] { OpenStartFolder(); };
}

void TFileSystemDialog::OpenStartFolder()
{
    if (!DirectoryListBox->Directory().empty())
        return;
    DirectoryListBox->SetDirectory(StartFolder());
    DriveComboBox->ShowDriveOf(DirectoryListBox->Directory());
}
