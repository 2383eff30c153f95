// loadprogressbarform: TLoadProgressBar, the progress window of a folder scan.

#include "dialogs/loadprogressbarform.h"

#include "framework/ControlBuilding.h"
#include "framework/PictureButton.h"

TLoadProgressBar* LoadProgressBar = nullptr;

namespace {

constexpr int WindowWidth = 400;
constexpr int LineWidth = WindowWidth - 16;

TLabel& MakeLine(TForm& form, int top, const std::string& caption)
{
    return MakeFixedLabel(form, TRect{8, top, 8 + LineWidth, top + 16}, caption);
}

} // namespace

TLoadProgressBar::TLoadProgressBar()
{
    // No close box: the window goes when the scan ends.
    SetBorderStyle(bsNone);
    SetCaption("Importing Folder");
    SetPosition(poMainFormCenter);
    SetClientWidth(WindowWidth);
    SetClientHeight(150);
    LoadLabel = &MakeLine(*this, 8, "Importing Folder:");
    PathLabel = &MakeLine(*this, 26, "");
    ProgressBar = &Make<TProgressBar>(*this);
    ProgressBar->SetBounds(8, 48, LineWidth, 18);
    ShowHintOf(*ProgressBar, "Indicates progress of loading the folder");
    InfoLabel = &MakeLine(*this, 74, "");
    InfoLabel2 = &MakeLine(*this, 92, "");
    Cancel = &MakePictureButton(*this, ":/cancel.jpg", TRect{WindowWidth - 83, 117, WindowWidth - 8, 142}, [this] { CancelClick(); });
}

void TLoadProgressBar::StartFolder(const std::string& folder)
{
    PathLabel->SetCaption("Folder \"" + folder + "\"");
    ProgressBar->SetPosition(0);
    Cancelled = 0;
    Show();
}

void TLoadProgressBar::ShowProgress(const std::string& name, int done, int total, int reports)
{
    ProgressBar->SetMax(total);
    ProgressBar->StepBy(reports);
    InfoLabel->SetCaption("Adding \"" + name + "\"");
    InfoLabel2->SetCaption("There are " + std::to_string(total - done) + " songs left to process.");
}

void TLoadProgressBar::Finish()
{
    Cancelled = 0;
    Hide();
}

void TLoadProgressBar::CancelClick()
{
    Cancelled = 1;
}
