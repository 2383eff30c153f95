#include "mainform/Unit1.h"

#include "mainform/ToolBoxStates.h"

void TAppForm::HookToolBoxEvents()
{
    ToolBoxAnimate->OnTimer = [this] { ToolBoxAnimateTimer(); };
}

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

void TAppForm::ShowSearchBoxActionExecute()
{
    ToggleToolBox(SearchBoxShown);
}

void TAppForm::ShowQuickHelpActionExecute()
{
    ToggleToolBox(QuickHelpShown);
}

void TAppForm::HideAllActionExecute()
{
    ToolBoxHideAll();
}

void TAppForm::ToolBoxShowSearch()
{
    ChangeToolBoxState(SearchBoxShown);
}

void TAppForm::ToolBoxHideAll()
{
    ChangeToolBoxState(AllHidden);
}

// A command for the panel already shown hides it, as its checked menu item suggests.
void TAppForm::ToggleToolBox(std::uint8_t state)
{
    if (ToolBoxState == state)
        ToolBoxHideAll();
    else
        ChangeToolBoxState(state);
}

// The slide itself runs on the ToolBoxAnimate ticks.
void TAppForm::ChangeToolBoxState(std::uint8_t state)
{
    PrevToolBoxState = ToolBoxState;
    ToolBoxState = state;
    ToolBoxAnimate->SetEnabled(true);
}

// Only a change to or from the hidden state slides; between the search box and the help
// the panels swap at once.
void TAppForm::ToolBoxAnimateTimer()
{
    switch (ToolBoxState) {
    case SearchBoxShown:
        if (PrevToolBoxState == AllHidden) {
            SlideUp(*SearchGroupBox);
        } else {
            SwapToolBox(*SearchGroupBox);
            StopBeginnerHelp();
        }
        break;
    case QuickHelpShown:
        if (PrevToolBoxState == AllHidden) {
            if (SlideUp(*QuickHelpPanel))
                StartBeginnerHelp();
        } else {
            SwapToolBox(*QuickHelpPanel);
            StartBeginnerHelp();
        }
        break;
    case AllHidden:
        SlideDown();
        break;
    }
}

// One step up; true when the panel's bottom has met the client area's and the slide ends.
bool TAppForm::SlideUp(TControl& panel)
{
    panel.Show();
    panel.BringToFront();
    panel.SetTop(panel.Top() - SlideStep);
    mp3ViewPanel->SetHeight(mp3ViewPanel->Height() - SlideStep);
    const int top = ClientHeight() - panel.Height();
    if (panel.Top() > top)
        return false;
    PlaceToolBox(top, top - mp3ViewPanel->Top() - 2);
    ToolBoxAnimate->SetEnabled(false);
    return true;
}

void TAppForm::SlideDown()
{
    QuickHelpPanel->SetTop(QuickHelpPanel->Top() + SlideStep);
    SearchGroupBox->SetTop(SearchGroupBox->Top() + SlideStep);
    mp3ViewPanel->SetHeight(mp3ViewPanel->Height() + SlideStep);
    const int clientHeight = ClientHeight();
    if (QuickHelpPanel->Top() < clientHeight)
        return;
    SearchGroupBox->Show();
    QuickHelpPanel->Show();
    PlaceToolBox(clientHeight, clientHeight - mp3ViewPanel->Top());
    StopBeginnerHelp();
    ToolBoxAnimate->SetEnabled(false);
}

void TAppForm::SwapToolBox(TControl& front)
{
    SearchGroupBox->Show();
    QuickHelpPanel->Show();
    front.BringToFront();
    ToolBoxAnimate->SetEnabled(false);
}
