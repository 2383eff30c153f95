#pragma once

// foldercreate: TCreateFolderForm, the dialog that copies a play list's songs into a new folder.

#include "catalogue/ListPtr.h"
#include "framework/TEdit.h"
#include "framework/TForm.h"
#include "framework/TGroupBox.h"
#include "framework/TLabel.h"
#include "framework/TProgressBar.h"
#include "framework/TSpeedButton.h"

#include <atomic>
#include <cstdint>
#include <string>

// Shown over the disabled window that opened it; only the program hides it, so every way
// out gives that window back its input.
class TCreateFolderForm : public TForm {
public:
    TCreateFolderForm();

    // Offers the play list's name for the new folder and shows the form over `opener`.
    void Open(VT::ListPtr list, TForm& opener);
    void BrowseClick();
    void OkClick();
    void CancelClick();

    // Steps of FolderCreateThread, each run on the main thread.
    void ShowCopyProgress(int song, int count);
    // Writes the M3U file unless the run was cancelled, resets the form, then tells
    // what failed.
    void EndRun(bool cancelled, int notCopied);

    // The folder that receives the new folder, as the location picker chose it.
    std::string FolderLocation;
    // The destination of the copies, ending in the separator.
    std::string FolderPath;
    VT::ListPtr CopyList;
    std::uint8_t Running = 0;
    // Set by Cancel on the main thread, read by the copy on its worker.
    std::atomic<std::uint8_t> CancelRequested = 0;

    TGroupBox* NameGroup = nullptr;
    TLabel* NameLabel = nullptr;
    TEdit* FolderNameEdit = nullptr;
    TGroupBox* LocationGroup = nullptr;
    TSpeedButton* Browse = nullptr;
    TLabel* LocationLabel = nullptr;
    TLabel* FolderPathLabel = nullptr;
    TSpeedButton* Ok = nullptr;
    TSpeedButton* Cancel = nullptr;
    TLabel* PLabel = nullptr;
    TProgressBar* ProgressBar = nullptr;
    TLabel* CreateInfoLabel = nullptr;

private:
    void BuildNameGroup();
    void BuildLocationGroup();
    void BuildRunControls();
    bool CheckInput(const std::string& name) const;
    void StartRun(bool folderCreated);
    // Shows or hides what only a run shows, and locks or frees what a run must not change.
    void ShowRunning(bool running);
    bool Export(const std::string& fileName) const;
    // Lets go of the play list, hides the form and gives the opener back its input.
    void Leave();

    TForm* opener_ = nullptr;
};

extern TCreateFolderForm* CreateFolderForm;
