#include "mainform/Unit1.h"

#include "framework/Mouse.h"
#include "mainform/CommandRules.h"

#include <initializer_list>

namespace {

using Handler = void (TAppForm::*)();

struct ActionRow {
    TAction* TAppForm::*action;
    const char* category;
    const char* caption;
    TShortCut shortCut;
    const char* hint;
    Handler execute;
    CommandRule enabled;
    CommandRule checked = nullptr;
};

using namespace CommandRules;

// Every command of the window, in the order the action list holds them.
const ActionRow ActionTable[] = {
    {&TAppForm::FindAction, "Your Music", "&Find Your Music", scCtrl + 'F', TAppForm::FindMusicHint,
     &TAppForm::FindActionExecute, Always},
    {&TAppForm::CloseFolderAction, "Your Music", "Close &Folder", scCtrl + VK_DELETE, "",
     &TAppForm::CloseFolderActionExecute, SourceShown},
    {&TAppForm::CreatePlaylistAction, "Play List", "&Add", scCtrl + 'N', "", &TAppForm::CreatePlaylistActionExecute,
     Always},
    {&TAppForm::RenameAction, "Play List", "&Rename", scCtrl + 'R', "Rename the selected play list.",
     &TAppForm::RenameActionExecute, PlayListShown},
    {&TAppForm::DeletePlaylistAction, "Play List", "&Delete", scShift + VK_DELETE, "Delete the selected play list.",
     &TAppForm::DeletePlaylistActionExecute, PlayListShown},
    {&TAppForm::ImportAction, "Play List", "&Import", scCtrl + 'I',
     "Import a M3U file into Vesk Tunelo and create a play list out of it.", &TAppForm::ImportActionExecute, Always},
    {&TAppForm::ExportAction, "Play List", "&Export", scCtrl + 'E', "Export the selected play list to a M3U file",
     &TAppForm::ExportActionExecute, PlayListWithSongs},
    {&TAppForm::CreateFolderAction, "Play List", "&Create Folder", scCtrl + 'G', TAppForm::CreateFolderHint,
     &TAppForm::CreateFolderActionExecute, PlayListWithSongs},
    {&TAppForm::PlayAction, "Play List", "&Play", scCtrl + 'P', TAppForm::PlayHint, &TAppForm::PlayActionExecute,
     ShownWithSongs},
    {&TAppForm::AddToAction, "Play List", "&Add To", scCtrl + 'T', "", &TAppForm::AddToActionExecute, SomethingShown},
    {&TAppForm::UndoAction, "Edit", "&Undo", scCtrl + 'Z', "Undo last play list edit", &TAppForm::UndoActionExecute,
     Always},
    {&TAppForm::RedoAction, "Edit", "&Redo", scCtrl + scAlt + 'Z', "", &TAppForm::RedoActionExecute, Always},
    // Its update handler below also writes its caption.
    {&TAppForm::AddToLastAction, "Edit", "Add To ...", VK_F5, "", &TAppForm::AddToLastActionExecute, Always},
    {&TAppForm::AddToNewPlaylistAction, "Edit", "Add &To New Play List", scCtrl + 'M',
     "Creates a new play list with the selected songs in it", &TAppForm::AddToNewPlaylistActionExecute, SongsSelected},
    {&TAppForm::CutAction, "Edit", "&Cut", scCtrl + 'X', "Removes selected songs which you can paste somewhere else later",
     &TAppForm::Cut1Click, PlayListSongsSelected},
    {&TAppForm::CopyAction, "Edit", "C&opy", scCtrl + 'C', "Copy the selected songs to be able to paste later",
     &TAppForm::CopyActionExecute, ShownWithSongs},
    {&TAppForm::PasteAction, "Edit", "&Paste", scCtrl + 'V', "Insert copied or cut songs ",
     &TAppForm::PasteActionExecute, CanPaste},
    {&TAppForm::DeleteSelectionAction, "Edit", "Delete &Selection", VK_DELETE, "Removes selected songs from the play list",
     &TAppForm::DeleteSelectionActionExecute, PlayListSongsSelected},
    {&TAppForm::SelectAllAction, "Edit", "Select &All", scCtrl + 'A', "Select all songs",
     &TAppForm::SelectAllActionExecute, ViewHasRows},
    {&TAppForm::CancelSearchAction, "Search", "&Cancel Search ", scCtrl + 'S', "Cancel the current search",
     &TAppForm::CancelSearchActionExecute, Always},
    {&TAppForm::SearchWithinTextAction, "Search", "&Search Within Text", scCtrl + 'W', "Makes searching less strict",
     &TAppForm::SearchWithinTextActionExecute, Always, SearchWithin},
    {&TAppForm::AutoListAction, "Search", "Auto List", scCtrl + 'L', "Automatically create a play list based on your",
     &TAppForm::AutoListActionExecute, SomethingShown},
    {&TAppForm::ShowSearchBoxAction, "View", "&Show Search Box", VK_F10,
     "The Search box allows you to search in your song list", &TAppForm::ShowSearchBoxActionExecute, Always, ShowsSearchBox},
    {&TAppForm::ShowQuickHelpAction, "View", "Show &Beginner Help", VK_F9,
     "Beginners Help shows you a quick step by step way to use Vesk Tunelo if you are lost",
     &TAppForm::ShowQuickHelpActionExecute, Always, ShowsQuickHelp},
    {&TAppForm::HideAllAction, "View", "&Hide All", scCtrl + 'H', "Turns off Beginner Help and Search Box",
     &TAppForm::HideAllActionExecute, ToolBoxShown},
    {&TAppForm::HelpAction, "Help", "&Help", VK_F1, "Help about using Vesk Tunelo", &TAppForm::HelpActionExecute,
     Always},
    {&TAppForm::FAQAction, "Help", "&FAQ", scNone, "Frequently asked questions about using Vesk Tunelo",
     &TAppForm::FAQActionExecute, Always},
    {&TAppForm::UsersManualAction, "Help", "Users &Manual", scNone, "Move helpful information about using Vesk Tunelo",
     &TAppForm::UsersManualActionExecute, Always},
    {&TAppForm::AboutAction, "Help", "&About", scNone, "Display general information about Vesk Tunelo",
     &TAppForm::AboutActionExecute, Always},
};

// Items in order; a null entry is a separator.
void AddItems(TMenuItem& menu, std::initializer_list<TAction*> actions)
{
    for (TAction* action : actions) {
        if (action)
            menu.Add(*action);
        else
            menu.Add("-");
    }
}

TPopupMenu& AddPopup(TForm& form, TControl& control, std::initializer_list<TAction*> actions)
{
    TPopupMenu& popup = Make<TPopupMenu>(form);
    AddItems(popup.Items(), actions);
    popup.AttachTo(control);
    return popup;
}

// A list's name is shown as it is: "&" would otherwise mark the key of a menu item.
std::string MenuCaption(const std::string& text)
{
    std::string caption;
    for (const char c : text) {
        caption += c;
        if (c == '&')
            caption += '&';
    }
    return caption;
}

} // namespace

void TAppForm::BuildActions()
{
    Actions = &Make<TActionList>(*this, *this);
    for (const ActionRow& row : ActionTable) {
        TAction& action = Actions->Add();
        action.SetCategory(row.category);
        action.SetCaption(row.caption);
        action.SetShortCut(row.shortCut);
        action.SetHint(row.hint);
        action.OnExecute = [this, execute = row.execute] { (this->*execute)(); };
        action.OnUpdate = [this, &action, enabled = row.enabled, checked = row.checked] {
            const CommandState state = CurrentCommandState();
            action.SetEnabled(enabled(state));
            if (checked)
                action.SetChecked(checked(state));
        };
        this->*row.action = &action;
    }
    AddToLastAction->OnUpdate = [this] { AddToLastActionUpdate(); };
    BuildMenus();
}

void TAppForm::BuildMenus()
{
    MainMenu = &Make<TMainMenu>(*this);
    TMenuItem& bar = MainMenu->Items();
    AddItems(bar.Add("&Your Music"), {FindAction, CloseFolderAction});
    AddItems(bar.Add("Play List"), {CreatePlaylistAction, RenameAction, DeletePlaylistAction, nullptr, ImportAction,
                                    ExportAction, CreateFolderAction, nullptr, PlayAction});
    AddItems(bar.Add("&Edit"), {UndoAction, RedoAction, nullptr, AddToLastAction, AddToNewPlaylistAction, nullptr,
                                CutAction, CopyAction, PasteAction, DeleteSelectionAction, SelectAllAction});
    AddItems(bar.Add("&Search"),
             {ShowSearchBoxAction, nullptr, CancelSearchAction, SearchWithinTextAction, nullptr, AutoListAction});
    AddItems(bar.Add("&View"), {ShowQuickHelpAction, ShowSearchBoxAction});
    AddItems(bar.Add("&Help"), {ShowQuickHelpAction, nullptr, HelpAction, UsersManualAction, FAQAction, nullptr,
                                AboutAction});
    SetMenu(*MainMenu);

    Mp3PopupMenu = &Make<TPopupMenu>(*this);
    AddItems(Mp3PopupMenu->Items(), {AddToLastAction});
    AddToPlaylist1 = &Mp3PopupMenu->Items().Add("Add to Play List...");
    AddItems(Mp3PopupMenu->Items(), {AddToNewPlaylistAction, nullptr, CutAction, CopyAction, PasteAction,
                                     DeleteSelectionAction, SelectAllAction, nullptr, UndoAction, RedoAction});
    Mp3PopupMenu->AttachTo(*mp3ListView);
    Mp3PopupMenu->OnPopup = [this] { Mp3PopupMenuPopup(); };

    PlaylistPopupMenu = &AddPopup(*this, *PlaylistListBox,
                                  {CreatePlaylistAction, RenameAction, DeletePlaylistAction, nullptr, ImportAction,
                                   ExportAction, CreateFolderAction, nullptr, PlayAction, nullptr, CopyAction, PasteAction});
    SourcePopupMenu = &AddPopup(*this, *SourceListBox, {CloseFolderAction, FindAction, CopyAction});
    SearchBoxMenu = &AddPopup(*this, *SearchGroupBox,
                              {CancelSearchAction, SearchWithinTextAction, nullptr, AutoListAction, nullptr,
                               ShowQuickHelpAction, ShowSearchBoxAction});
    QHelpMenu = &AddPopup(*this, *QuickHelpPanel,
                          {HelpAction, UsersManualAction, FAQAction, nullptr, ShowQuickHelpAction, ShowSearchBoxAction});

    AddSongToMenu = &Make<TPopupMenu>(*this);
    AddSongToMenu->SetAutoPopup(false);
    AddSongToMenu->OnPopup = [this] { AddSongToMenuPopup(); };
}

CommandState TAppForm::CurrentCommandState() const
{
    CommandState state;
    state.mode = Model.GetMode();
    state.shownHasSongs = state.mode != VT::Manager::NothingShown && !Model.GetSelected()->songs.empty();
    state.songsSelected = SongsSelected();
    state.viewHasRows = mp3ListView->Items().Count() > 0;
    state.clipboardHasSongs = !Clipboard.songs.empty();
    state.toolBoxState = ToolBoxState;
    state.searchWithin = SearchWithinCheckBox->Checked();
    return state;
}

bool TAppForm::SongsSelected() const
{
    return !ShowsPlaceholder() && mp3ListView->Selected() >= 0;
}

void TAppForm::AddToLastActionUpdate()
{
    const bool ready = SongsSelected() && !ViewVars.LastAddToName.empty();
    AddToLastAction->SetCaption(ready ? "Add to \"" + MenuCaption(ViewVars.LastAddToName) + "\"  " : "Add to ...  ");
    AddToLastAction->SetEnabled(ready);
}

void TAppForm::FindActionExecute()
{
    AddSourceClick();
}


// One item per play list, in the pane's order, each adding the selection to its list.
void TAppForm::FillAddToItems(TMenuItem& menu)
{
    menu.Clear();
    for (int row = 0; row < PlaylistListBox->Items().Count(); ++row) {
        TMenuItem& item = menu.Add(MenuCaption(PlaylistListBox->Items()[row]));
        item.Tag = row;
        item.OnClick = [this](TMenuItem& sender) { CopyToItemsClick(sender); };
    }
}

bool TAppForm::CanAddSelection() const
{
    return SongsSelected() && PlaylistListBox->Items().Count() > 0;
}

void TAppForm::Mp3PopupMenuPopup()
{
    const bool canAdd = CanAddSelection();
    if (canAdd)
        FillAddToItems(*AddToPlaylist1);
    else
        AddToPlaylist1->Clear();
    AddToPlaylist1->SetEnabled(canAdd);
}

void TAppForm::AddSongToMenuPopup()
{
    AddSongToMenu->Items().Clear();
    if (CanAddSelection())
        FillAddToItems(AddSongToMenu->Items());
}

void TAppForm::CopyToItemsClick(TMenuItem& sender)
{
    AddSelectedToPlayList(sender.Tag);
}

void TAppForm::AddSongButton1Click()
{
    if (!SongsSelected())
        return;
    const TPoint at = MouseCursorPos();
    AddSongToMenu->Popup(at.X - 40, at.Y);
}

void TAppForm::AddToActionExecute()
{
    AddSongButton1Click();
}
