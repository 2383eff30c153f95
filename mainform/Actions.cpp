#include "mainform/Unit1.h"

#include "mainform/ToolBoxStates.h"

#include <initializer_list>

namespace {

TAction& AddAction(TActionList& list, const char* category, const char* caption, TShortCut shortCut,
                   const std::string& hint)
{
    TAction& action = list.Add();
    action.SetCategory(category);
    action.SetCaption(caption);
    action.SetShortCut(shortCut);
    action.SetHint(hint);
    return action;
}

void AddItems(TMenuItem& menu, std::initializer_list<TAction*> actions)
{
    for (TAction* action : actions)
        menu.Add(*action);
}

TPopupMenu& AddPopup(TForm& form, TControl& control, std::initializer_list<TAction*> actions)
{
    TPopupMenu& popup = Make<TPopupMenu>(form);
    AddItems(popup.Items(), actions);
    popup.AttachTo(control);
    return popup;
}

} // namespace

void TAppForm::BuildActions()
{
    Actions = &Make<TActionList>(*this, *this);
    // The Find command says what the pane's Find button says.
    FindAction = &AddAction(*Actions, "Your Music", "&Find Your Music", scCtrl + 'F', AddSourceButton->Hint());
    ShowSearchBoxAction = &AddAction(*Actions, "View", "&Show Search Box", VK_F10,
                                     "The Search box allows you to search in your song list");
    ShowQuickHelpAction = &AddAction(
        *Actions, "View", "Show &Beginner Help", VK_F9,
        "Beginners Help shows you a quick step by step way to use Vesk Tunelo if you are lost");
    HideAllAction = &AddAction(*Actions, "View", "&Hide All", scCtrl + 'H', "Turns off Beginner Help and Search Box");

    FindAction->OnExecute = [this] { FindActionExecute(); };
    FindAction->OnUpdate = [this] { FindActionUpdate(); };
    ShowSearchBoxAction->OnExecute = [this] { ShowSearchBoxActionExecute(); };
    ShowSearchBoxAction->OnUpdate = [this] { ShowSearchBoxActionUpdate(); };
    ShowQuickHelpAction->OnExecute = [this] { ShowQuickHelpActionExecute(); };
    ShowQuickHelpAction->OnUpdate = [this] { ShowQuickHelpActionUpdate(); };
    HideAllAction->OnExecute = [this] { HideAllActionExecute(); };
    HideAllAction->OnUpdate = [this] { HideAllActionUpdate(); };
    BuildMenus();
}

void TAppForm::BuildMenus()
{
    MainMenu = &Make<TMainMenu>(*this);
    TMenuItem& bar = MainMenu->Items();
    AddItems(bar.Add("&Your Music"), {FindAction});
    AddItems(bar.Add("&Search"), {ShowSearchBoxAction});
    AddItems(bar.Add("&View"), {ShowQuickHelpAction, ShowSearchBoxAction});
    AddItems(bar.Add("&Help"), {ShowQuickHelpAction});
    SetMenu(*MainMenu);

    SourcePopupMenu = &AddPopup(*this, *SourceListBox, {FindAction});
    SearchBoxMenu = &AddPopup(*this, *SearchGroupBox, {ShowQuickHelpAction, ShowSearchBoxAction});
    QHelpMenu = &AddPopup(*this, *QuickHelpPanel, {ShowQuickHelpAction, ShowSearchBoxAction});
}

void TAppForm::FindActionExecute()
{
    AddSourceClick();
}

void TAppForm::FindActionUpdate()
{
    FindAction->SetEnabled(true);
}

void TAppForm::ShowSearchBoxActionUpdate()
{
    ShowSearchBoxAction->SetEnabled(true);
    ShowSearchBoxAction->SetChecked(ToolBoxState == SearchBoxShown);
}

void TAppForm::ShowQuickHelpActionUpdate()
{
    ShowQuickHelpAction->SetEnabled(true);
    ShowQuickHelpAction->SetChecked(ToolBoxState == QuickHelpShown);
}

void TAppForm::HideAllActionUpdate()
{
    HideAllAction->SetEnabled(ToolBoxState != AllHidden);
}
