#include "mainform/Unit1.h"

#include "mainform/WindowColors.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::int32_t AllStepsDone = 5;

const char* const FolderBubble = "Click on your folder name here to view the music in that folder anytime you want";
const char* const PlayListBubble = "Click on your playlist name here to view your play list anytime you want.";
const char* const DragBubble = "Drag songs into one of these play lists to add them there.";
const char* const PlayBubble = "To Play a play list click on a play list that you want to play here and click on the "
                               "purple \"Play Highlighted List\" button.";

// Where the bubble points: at the source pane's top, at the play-list pane's top, and
// into the play-list pane.
constexpr int BubbleLeft = 184;
constexpr int SourcesBubbleTop = 56;
constexpr int PlayListsBubbleTop = 304;
constexpr int PlayListRowsBubbleTop = 368;
// As laid out: the picture and two lines of text.
constexpr int BubbleHeight = 57;

} // namespace

void TAppForm::HookBeginnerHelpEvents()
{
    HelpTimer->OnTimer = [this] { HelpTimerTimer(); };
    StepOnePanel->OnClick = HelpStep1->OnClick = [this] { StepOnePanelClick(); };
    StepTwoPanel->OnClick = HelpStep2->OnClick = [this] { StepTwoPanelClick(); };
    StepThreePanel->OnClick = HelpStep3->OnClick = [this] { StepThreePanelClick(); };
    StepFourPanel->OnClick = HelpStep4->OnClick = [this] { StepFourPanelClick(); };
    Image2->OnClick = [this] { Image2Click(); };
    Image3->OnClick = [this] { Image3Click(); };
    Image4->OnClick = [this] { Image4Click(); };
}

void TAppForm::StartBeginnerHelp()
{
    HelpRunning = true;
    GoToHelpStep(1);
    HelpTimer->SetEnabled(true);
}

// The step panels keep their colours.
void TAppForm::StopBeginnerHelp()
{
    HelpRunning = false;
    HelpTimer->SetEnabled(false);
}

// Never backwards: a command of an earlier step than the current one leaves the help
// where it is. Adding songs to a play list (step 3) moves it only from step 3 itself.
void TAppForm::AdvanceHelpStep(std::int32_t step)
{
    if (!HelpRunning || step < HelpStep)
        return;
    if (step != 3 || HelpStep == 3)
        GoToHelpStep(step + 1);
    if (HelpStep == 4 && PlaylistListBox->Items().Count() > 0)
        ShowHelpBubble(BubbleLeft, PlayListRowsBubbleTop, PlayBubble);
}

// A new current step shows at once: its label's blink starts red.
void TAppForm::GoToHelpStep(std::int32_t step)
{
    HelpStep = step;
    HelpBlinkOn = true;
}

// The current step's panel stays highlighted while its label blinks red and black. Once
// all steps are done no step is current: every panel turns silver and the blink ends.
void TAppForm::HelpTimerTimer()
{
    if (HelpStep == AllStepsDone)
        HelpTimer->SetEnabled(false);
    ColourHelpSteps(HelpStep, HelpBlinkOn);
    HelpBlinkOn = !HelpBlinkOn;
}

// The panel of step `lit` highlighted, its label red when `labelRed`; every other panel
// silver and every other label black.
void TAppForm::ColourHelpSteps(std::int32_t lit, bool labelRed)
{
    const std::array panels{StepOnePanel, StepTwoPanel, StepThreePanel, StepFourPanel};
    const std::array labels{HelpStep1, HelpStep2, HelpStep3, HelpStep4};
    for (std::size_t i = 0; i < panels.size(); ++i) {
        const bool current = static_cast<std::int32_t>(i) + 1 == lit;
        panels[i]->SetColor(current ? HelpStepHighlightColor : StepPanelColor);
        labels[i]->Font().SetColor(current && labelRed ? HelpStepBlinkColor : HelpStepLabelColor);
    }
}

// Restarts the help at step 1, also when it was not running.
void TAppForm::StepOnePanelClick()
{
    StartBeginnerHelp();
}

void TAppForm::StepTwoPanelClick()
{
    GoToHelpStep(2);
}

void TAppForm::StepThreePanelClick()
{
    GoToHelpStep(3);
    ShowHelpBubble(BubbleLeft, PlayListRowsBubbleTop, DragBubble);
}

void TAppForm::StepFourPanelClick()
{
    GoToHelpStep(4);
}

// The help moves on once the dialog is closed or the scan has started, cancelled or not.
void TAppForm::Image2Click()
{
    AddSourceClick();
    AdvanceHelpStep(1);
    ShowHelpBubble(BubbleLeft, SourcesBubbleTop, FolderBubble);
}

void TAppForm::Image3Click()
{
    AddListButtonClick();
    AdvanceHelpStep(2);
    ShowHelpBubble(BubbleLeft, PlayListsBubbleTop, PlayListBubble);
}

void TAppForm::Image4Click()
{
    PlayActionExecute();
    AdvanceHelpStep(4);
}

// A bubble that is placed is also shown: it is only placed where it has something to say.
// A text of more lines makes it grow until it shows them all; its text follows its height.
void TAppForm::ShowHelpBubble(int x, int y, const std::string& text)
{
    HelpArrow->SetTop(y);
    HelpArrow->SetLeft(x);
    HelpArrowMessage->SetCaption(text);
    HelpArrow->SetHeight(BubbleHeight);
    HelpArrow->SetHeight(BubbleHeight + std::max(0, HelpArrowMessage->TextHeight() - HelpArrowMessage->Height()));
    HelpArrow->Show();
    HelpArrow->BringToFront();
}

void TAppForm::HideHelpBubble()
{
    HelpArrow->Hide();
}
