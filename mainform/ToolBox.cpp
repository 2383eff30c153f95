#include "mainform/Unit1.h"

namespace {

enum ToolBoxStates : std::uint8_t { SearchBoxShown = 0, QuickHelpShown = 1, AllHidden = 2 };

} // namespace

void TAppForm::LayoutToolBox()
{
    const int clientHeight = ClientHeight();
    SearchGroupBox->Show();
    QuickHelpPanel->Show();
    const int top = clientHeight - SearchGroupBox->Height();
    switch (ToolBoxState) {
    case SearchBoxShown:
        SearchGroupBox->BringToFront();
        PlaceToolBox(top, top - mp3ViewPanel->Top() - 2);
        StopBeginnerHelp();
        break;
    case QuickHelpShown:
        QuickHelpPanel->BringToFront();
        PlaceToolBox(top, top - mp3ViewPanel->Top() - 2);
        StartBeginnerHelp();
        break;
    case AllHidden:
        StopBeginnerHelp();
        PlaceToolBox(clientHeight, clientHeight - mp3ViewPanel->Top());
        break;
    default:
        // Only an edited options file gives another state: nothing more moves.
        break;
    }
}

void TAppForm::PlaceToolBox(int top, int viewHeight)
{
    QuickHelpPanel->SetTop(top);
    SearchGroupBox->SetTop(top);
    mp3ViewPanel->SetHeight(viewHeight);
}

// The source pane takes PaneRatio of the height, the play-list pane the rest; the real
// values are truncated toward zero.
void TAppForm::LayoutViewPanel()
{
    const float split = static_cast<float>(ClientHeight()) * PaneRatio;
    PlayListPanel->SetTop(static_cast<int>(split + 1.0f));
    SourcePanel->SetHeight(static_cast<int>(split - static_cast<float>(SourcePanel->Top()) - 1.0f));
    PlayListPanel->SetHeight(ClientHeight() - PlayListPanel->Top());
}

void TAppForm::FormResize()
{
    if (HelpRunning)
        QuickHelpButtonDown();
    else
        QuickHelpButtonUp();
    UpdateListArrow();
    LayoutViewPanel();
}

void TAppForm::QuickHelpButtonDown()
{
    QuickHelpPanel->Show();
}

void TAppForm::QuickHelpButtonUp()
{
    QuickHelpPanel->Hide();
}

void TAppForm::StartBeginnerHelp()
{
    HelpRunning = true;
    HelpStep = 1;
    HelpBlinkOn = true;
    HelpTimer->SetEnabled(true);
}

void TAppForm::StopBeginnerHelp()
{
    HelpRunning = false;
    HelpTimer->SetEnabled(false);
}

void TAppForm::ToolBoxShowSearch()
{
    ChangeToolBoxState(SearchBoxShown);
}

void TAppForm::ToolBoxShowQuickHelp()
{
    ChangeToolBoxState(QuickHelpShown);
}

void TAppForm::ToolBoxHideAll()
{
    ChangeToolBoxState(AllHidden);
}

// The slide itself runs on the ToolBoxAnimate ticks.
void TAppForm::ChangeToolBoxState(std::uint8_t state)
{
    PrevToolBoxState = ToolBoxState;
    ToolBoxState = state;
    ToolBoxAnimate->SetEnabled(true);
}

// A bubble that is placed is also shown: it is only placed where it has something to say.
void TAppForm::ShowHelpBubble(int x, int y, const std::string& text)
{
    HelpArrow->SetTop(y);
    HelpArrow->SetLeft(x);
    HelpArrowMessage->SetCaption(text);
    HelpArrow->Show();
    HelpArrow->BringToFront();
}

void TAppForm::HideHelpBubble()
{
    HelpArrow->Hide();
}
