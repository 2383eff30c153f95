// foldercreate: TCreateFolderForm, the dialog that copies a play list's songs into a new folder.

#include "dialogs/foldercreate.h"

#include "catalogue/Exceptions.h"
#include "catalogue/ListFileNames.h"
#include "catalogue/M3UWrite.h"
#include "dialogs/exporterror.h"
#include "dialogs/foldercreatethread.h"
#include "dialogs/messagebox.h"
#include "dialogs/selectfolder.h"
#include "framework/ControlBuilding.h"
#include "framework/FolderPath.h"
#include "framework/PictureButton.h"
#include "platform/Folders.h"

#include <initializer_list>
#include <utility>

TCreateFolderForm* CreateFolderForm = nullptr;

namespace {

constexpr int LineWidth = 350;

} // namespace

TCreateFolderForm::TCreateFolderForm()
{
    // No close box: only Cancel or the end of a run hides the form.
    SetBorderStyle(bsNone);
    SetFormStyle(fsStayOnTop);
    SetCaption("Create a folder on your computer with all the songs in the play list");
    SetPosition(poMainFormCenter);
    SetClientWidth(539);
    SetClientHeight(202);
    BuildNameGroup();
    BuildLocationGroup();
    BuildRunControls();
    ShowHintOf(*FolderNameEdit, "Tyoe the name of the folder to be created");
    ShowHintOf(*Browse, "Browse for a location to put the folder to be created in");
    ShowHintOf(*Ok, "Create the folder");
}

void TCreateFolderForm::BuildNameGroup()
{
    NameGroup = &Make<TGroupBox>(*this);
    NameGroup->SetBounds(8, 4, 523, 50);
    NameGroup->SetCaption(" 1. Specify the new folder name ");
    NameLabel = &MakeFixedLabel(*NameGroup, TRect{10, 22, 90, 38}, "Folder Name:");
    FolderNameEdit = &Make<TEdit>(*NameGroup);
    FolderNameEdit->SetBounds(100, 18, 413, 21);
}

void TCreateFolderForm::BuildLocationGroup()
{
    LocationGroup = &Make<TGroupBox>(*this);
    LocationGroup->SetBounds(8, 58, 523, 58);
    LocationGroup->SetCaption(" 2. Find a location to place new folder in ");
    Browse = &MakePictureButton(*LocationGroup, ":/browse.jpg", TRect{10, 20, 85, 45}, [this] { BrowseClick(); });
    LocationLabel = &MakeFixedLabel(*LocationGroup, TRect{96, 25, 190, 41}, "Folder Location:");
    FolderPathLabel = &MakeFixedLabel(*LocationGroup, TRect{200, 25, 513, 41}, "No folder location, click on Browse.");
}

void TCreateFolderForm::BuildRunControls()
{
    PLabel = &MakeFixedLabel(*this, TRect{8, 124, 8 + LineWidth, 140}, "Creating Folder:");
    ProgressBar = &Make<TProgressBar>(*this);
    ProgressBar->SetBounds(8, 144, LineWidth, 18);
    CreateInfoLabel = &MakeFixedLabel(*this, TRect{8, 168, 8 + LineWidth, 184}, "");
    Ok = &MakePictureButton(*this, ":/ok.jpg", TRect{372, 168, 447, 193}, [this] { OkClick(); });
    Cancel = &MakePictureButton(*this, ":/cancel.jpg", TRect{456, 168, 531, 193}, [this] { CancelClick(); });
    ShowRunning(false);
}

void TCreateFolderForm::Open(VT::ListPtr list, TForm& opener)
{
    opener_ = &opener;
    CopyList = list;
    FolderNameEdit->SetText(list->GetName());
    Show();
    FolderNameEdit->SetFocus();
    FolderNameEdit->SelectAll();
}

void TCreateFolderForm::BrowseClick()
{
    SelectFolderForm->Open(*this, [this](const std::string& folder) {
        FolderLocation = folder;
        FolderPathLabel->SetCaption(folder);
    });
    SetEnabled(false);
}

void TCreateFolderForm::OkClick()
{
    const std::string name = FolderNameEdit->Text();
    if (!CheckInput(name))
        return;
    FolderPath = ChildPath(FolderLocation, name);
    // A name that reaches another level than one below the location makes no folder.
    const Platform::FolderMade made =
        Platform::IsFolderName(name) ? Platform::MakeFolder(FolderPath) : Platform::FolderMade::Failed;
    FolderPath = WithSeparator(FolderPath);
    if (made == Platform::FolderMade::Failed)
        MessageDialog->ShowMessage("There was an error creating the folder");
    else
        StartRun(made == Platform::FolderMade::Created);
}

bool TCreateFolderForm::CheckInput(const std::string& name) const
{
    if (name.empty())
        MessageDialog->ShowMessage("Please specify a folder name");
    if (FolderLocation.empty())
        MessageDialog->ShowMessage("Please select a path");
    return !name.empty() && !FolderLocation.empty();
}

void TCreateFolderForm::StartRun(bool folderCreated)
{
    ProgressBar->SetMin(0);
    ProgressBar->SetMax(static_cast<int>(CopyList->songs.size()));
    CancelRequested = 0;
    ShowRunning(true);
    new FolderCreateThread({.CancelRequested = [this] { return CancelRequested != 0; },
                            .ShowCopyProgress = [this](int song, int count) { ShowCopyProgress(song, count); },
                            .ShowRollBack = [this](int position) { ProgressBar->SetPosition(position); },
                            .EndRun = [this](bool cancelled, int notCopied) { EndRun(cancelled, notCopied); }},
                           CopyList->songs, FolderPath, folderCreated);
}

void TCreateFolderForm::CancelClick()
{
    if (Running)
        CancelRequested = 1;
    else
        Leave();
}

void TCreateFolderForm::ShowCopyProgress(int song, int count)
{
    ProgressBar->SetPosition(song);
    CreateInfoLabel->SetCaption("There are " + std::to_string(count - song) + " songs left to save into folder");
}

void TCreateFolderForm::EndRun(bool cancelled, int notCopied)
{
    // The list's name may hold what no file name can, or lead out of the folder.
    const std::string m3uName = VT::FileStemFor(CopyList->GetName()) + ".m3u";
    const bool exported = cancelled || Export(m3uName);
    ProgressBar->SetPosition(0);
    ShowRunning(false);
    SetEnabled(true);
    CancelRequested = 0;
    Leave();
    if (!exported)
        ShowExportError(m3uName);
    if (!cancelled && notCopied > 0)
        MessageDialog->ShowMessage("There were " + std::to_string(notCopied)
                                   + " songs that could not be copied into the folder.");
}

void TCreateFolderForm::ShowRunning(bool running)
{
    Running = running ? 1 : 0;
    for (TControl* shown : std::initializer_list<TControl*>{PLabel, ProgressBar, CreateInfoLabel})
        shown->SetVisible(running);
    for (TControl* locked : std::initializer_list<TControl*>{Ok, Browse, FolderNameEdit})
        locked->SetEnabled(!running);
}

bool TCreateFolderForm::Export(const std::string& fileName) const
{
    try {
        // A list of that name that stood in the folder before the run is kept.
        VT::WriteM3U(FolderPath + fileName, CopyList->songs, false, VT::ExistingFile::Keep);
        return true;
    } catch (const VT::invalid_file&) {
        return false;
    }
}

void TCreateFolderForm::Leave()
{
    CopyList = {};
    Hide();
    opener_->SetEnabled(true);
}
