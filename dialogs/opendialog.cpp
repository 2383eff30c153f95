// opendialog: TOpenDlg, the M3U file dialog.

#include "dialogs/opendialog.h"

#include "dialogs/qeastiondlg.h"
#include "framework/ControlBuilding.h"
#include "framework/FolderPath.h"
#include "platform/WholeFile.h"

TOpenDlg* OpenDlg = nullptr;

TOpenDlg::TOpenDlg()
    : TFileSystemDialog(487, 377, AllFilesCaption, "*.m3u")
{
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    const TRect files = FileListBox->BoundsRect();
    FileListBox->SetHeight(files.Height() - 52);
    FileNameLabel = &Make<TLabel>(*this);
    FileNameLabel->SetBounds(files.Left, files.Bottom - 46, 70, 16);
    FileNameLabel->SetCaption("File Name:");
    FileEdit = &Make<TEdit>(*this);
    FileEdit->SetBounds(files.Left, files.Bottom - 28, files.Width(), 21);
    FileEdit->SetText("*.m3u");
    FullPath = &Make<TCheckBox>(*this);
    FullPath->SetBounds(8, Ok->Top(), 100, 21);
    FullPath->SetCaption("Full Path");
    FullPath->SetChecked(true);
    ShowHintOf(*FullPath, "Some devices do not permit paths.");

    OnShow = [this] { FormShow(); };
    OnActivate = [this] { FormActivate(); };
    DirectoryListBox->OnClick = [this] { DirectoryListBoxClick(); };
    DirectoryListBox->OnDblClick = [this] { DirectoryListBoxDblClick(); };
    FileListBox->OnClick = [this] { FileListBoxClick(); };
}

int TOpenDlg::Execute(const std::string& title, const std::string& fileName, std::uint8_t mode)
{
    Title = title;
    FileName = fileName;
    Mode = mode;
    return ShowModal();
}

void TOpenDlg::FormShow()
{
    FileEdit->SetText(FileName);
    SetCaption(Title);
    if (DirectoryListBox->Directory().empty())
        OpenStartFolder();
    else
        FileListBox->Reread();
}

void TOpenDlg::FormActivate()
{
    RememberShownFolder();
    FullPath->SetVisible(Mode == SaveMode);
}

void TOpenDlg::DirectoryListBoxClick()
{
    const std::string clicked = DirectoryListBox->GetItemPath(DirectoryListBox->ItemIndex());
    if (clicked.empty())
        return;
    Folder = clicked;
    DirectoryListBox->SetDirectory(Folder);
}

void TOpenDlg::DirectoryListBoxDblClick() { RememberShownFolder(); }

void TOpenDlg::FileListBoxClick()
{
    const std::string chosen = FileListBox->FileName();
    if (!chosen.empty())
        FileEdit->SetText(chosen);
}

void TOpenDlg::OkClick()
{
    FileName = FileEdit->Text();
    if (Mode == SaveMode && FileExists()
        && QuestionDialog->Ask("Overwrite", "Would you like to overwrite the file \"" + FileName + "\"?") != mrOk)
        return;
    SetModalResult(mrOk);
}

void TOpenDlg::CancelClick()
{
    FileName.clear();
    SetModalResult(mrCancel);
}

std::string TOpenDlg::FilePath() const
{
    return ChildPath(Folder, FileName);
}

bool TOpenDlg::FileExists() const
{
    return Platform::IdentityOf(FilePath()).has_value();
}
