#include "mainform/Unit1.h"

#include "dialogs/Unit4.h"
#include "dialogs/namelistform.h"
#include "framework/WhileAnswering.h"

namespace {

// A renamed list, or one that an undo or redo brought back or renamed, is written at once:
// on a worker while the window goes on answering, as a large list takes a while. Called
// once the window shows the lists as they now are, as it may paint meanwhile.
void SaveRenamedPlayLists(VT::Manager& model, const std::string& folder)
{
    if (!folder.empty())
        model.SaveRenamedPlayLists(folder, RunWhileAnswering);
}

bool MovesHighlight(TKey key)
{
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        return true;
    default:
        return false;
    }
}

// The position of the handle's list among the play lists; the number of lists for none.
std::size_t PositionOf(const VT::ListPtr& list, const std::vector<VT::ListPtr>& lists)
{
    std::size_t position = 0;
    while (position < lists.size() && !(lists[position] == list))
        ++position;
    return position;
}

} // namespace

void TAppForm::ShowNewPlayListDialog(bool addSelection)
{
    NameListForm->Open(*this, addSelection ? 1 : 0,
                       {.CreatePlayList = [this](const std::string& name) { return CreatePlayList(name); },
                        .AddSelectedToPlayList = [this](std::int32_t row) { AddSelectedToPlayList(row); },
                        .HideHelpBubble = [this] { HideHelpBubble(); }});
    SetEnabled(false);
}

void TAppForm::AddListButtonClick()
{
    ShowNewPlayListDialog(false);
}

void TAppForm::CreatePlaylistActionExecute()
{
    AddListButtonClick();
}

std::int32_t TAppForm::CreatePlayList(const std::string& name)
{
    VT::PlayList list;
    list.SetName(MakeUniqueListName(name));
    const std::int32_t row = AddPlayListEntry(Model.AddPlayList(std::move(list)));
    PlaylistListBox->SetTopIndex(row);
    return row;
}

void TAppForm::AddSelectedToPlayList(std::int32_t row)
{
    if (!IsPlayListIndex(row))
        return;
    const VT::ListPtr target = PlayListInfos[row].Handle;
    GetSelectedSongs(Scratch);
    Model.AddSongs(std::move(Scratch.songs), target);
    Scratch.songs.clear();
    UpdatePlayListEntry(row);
    if (Model.GetMode() == VT::Manager::PlayListShown)
        mp3ListView->Items().SetCount(0);
    mp3ListView->ClearSelection();
    PickedPlayList = {};
    ViewVars.FlashRow = row;
    ViewVars.FlashPhase = 1;
    DragSelect->SetEnabled(true);
    AdvanceHelpStep(3);
    RefreshSongView();
    ViewVars.LastAddToName = target->GetName();
    LastAddToList = target;
}

// The row shows highlighted from the first tick to the second; then no row is.
void TAppForm::DragSelectTimer()
{
    if (ViewVars.FlashPhase == 1) {
        PlaylistListBox->SetItemIndex(ViewVars.FlashRow);
        ViewVars.FlashPhase = 2;
        return;
    }
    PlaylistListBox->SetItemIndex(-1);
    ViewVars.FlashPhase = 0;
    DragSelect->SetEnabled(false);
}

void TAppForm::AddToLastActionExecute()
{
    if (LastAddToList.IsList())
        AddSelectedToPlayList(PlayListRow(LastAddToList));
}

void TAppForm::RenameActionExecute()
{
    if (Model.GetMode() != VT::Manager::PlayListShown)
        return;
    RenameListForm->Open(*this, Model.GetSelected()->GetName(),
                         [this](const std::string& name) { RenamePlayList(name); });
    SetEnabled(false);
}

// Always the shown list, found by its handle: the highlighted row may be another's.
void TAppForm::RenamePlayList(const std::string& name)
{
    const std::int32_t row = ShownRow();
    if (Model.GetMode() != VT::Manager::PlayListShown || row < 0 || name == PlayListInfos[row].Name)
        return;
    const VT::ListPtr shown = PlayListInfos[row].Handle;
    const std::string unique = MakeUniqueListName(name);
    // Not an undo step of its own: it goes into the next state recorded.
    shown.Edit().SetName(unique);
    PlayListInfos[row].Name = unique;
    UpdatePlayListEntry(row);
    SortPlayLists();
    SelectPlayList(PlayListRow(shown));
    SaveRenamedPlayLists(Model, ViewVars.ProgramFolder);
}

void TAppForm::ForgetDeletedPlayList(const VT::ListPtr& list)
{
    if (PickedPlayList == list)
        PickedPlayList = {};
    if (LastAddToList == list)
        ClearLastAddTo();
}

void TAppForm::ClearLastAddTo()
{
    LastAddToList = {};
    ViewVars.LastAddToName.clear();
}

void TAppForm::DeleteList(Pane pane, std::int32_t row)
{
    TListBox& box = PaneBox(pane);
    std::vector<ListInfo>& infos = PaneInfos(pane);
    if (row < 0 || row >= box.Items().Count())
        return;
    const VT::ListPtr list = infos[row].Handle;
    Model.DeleteFileOf(list);
    infos.erase(infos.begin() + row);
    box.Items().Delete(row);
    if (pane == Pane::Sources) {
        Model.RemoveSource(list);
        return;
    }
    ForgetDeletedPlayList(list);
    Model.RemovePlayList(list);
}

void TAppForm::DeletePlayList(std::int32_t row)
{
    DeleteList(Pane::PlayLists, row);
}

void TAppForm::DeleteSource(std::int32_t row)
{
    DeleteList(Pane::Sources, row);
}

void TAppForm::CloseFolderActionExecute()
{
    if (Model.GetMode() != VT::Manager::SourceShown)
        return;
    DeleteSource(SourceListBox->ItemIndex());
    ShowNoSelection();
}

// The row the user highlighted, else the shown play list's; -1 when there is neither.
std::int32_t TAppForm::PlayListToDelete() const
{
    const std::int32_t highlighted = PlaylistListBox->ItemIndex();
    if (IsPlayListIndex(highlighted) && PlayListInfos[highlighted].Handle == PickedPlayList)
        return highlighted;
    return Model.GetMode() == VT::Manager::PlayListShown ? ShownRow() : -1;
}

void TAppForm::DeletePlaylistActionExecute()
{
    if (Model.GetMode() != VT::Manager::PlayListShown)
        return;
    DeletePlayList(PlayListToDelete());
    ShowNoSelection();
}

void TAppForm::PlaylistListBoxKeyUp(TKey& key, TShiftState)
{
    const std::int32_t highlighted = PlaylistListBox->ItemIndex();
    if (MovesHighlight(key) && IsPlayListIndex(highlighted))
        PickedPlayList = PlayListInfos[highlighted].Handle;
    if (key != VK_DELETE || highlighted < 0)
        return;
    const std::int32_t row = PlayListToDelete();
    if (row < 0)
        return;
    DeletePlayList(row);
    ShowNoSelection();
}

void TAppForm::SourceListBoxKeyUp(TKey& key, TShiftState)
{
    const std::int32_t row = SourceListBox->ItemIndex();
    if (key != VK_DELETE || row < 0)
        return;
    DeleteSource(row);
    ShowNoSelection();
}

// Exactly the entries the selected rows show, also under a search: an equal song
// elsewhere in the list stays.
void TAppForm::DeleteSelectedSongs()
{
    if (Model.GetMode() != VT::Manager::PlayListShown)
        return;
    const std::vector<std::size_t> positions = SelectedPositions();
    if (positions.empty())
        return;
    Model.RemoveSongsAt(positions, Model.GetSelected());
    RefreshSongView();
}

void TAppForm::mp3ListViewKeyDown(TKey& key, TShiftState)
{
    if (key == VK_DELETE && Model.GetMode() == VT::Manager::PlayListShown)
        DeleteSelectedSongs();
}

void TAppForm::Undo()
{
    RestoreHistory(&VT::Manager::Undo);
}

void TAppForm::Redo()
{
    RestoreHistory(&VT::Manager::Redo);
}

void TAppForm::UndoActionExecute()
{
    Undo();
}

void TAppForm::RedoActionExecute()
{
    Redo();
}

// A restore hands the play lists' handles out again by position, so a handle kept across
// it may now stand on another list, or on none.
void TAppForm::RestoreHistory(void (VT::Manager::*step)())
{
    const bool playListShown = Model.GetMode() == VT::Manager::PlayListShown;
    const std::size_t rowsBefore = PlayListInfos.size();
    const std::size_t lastAddToPosition = PositionOf(LastAddToList, Model.GetPlayLists());
    (Model.*step)();
    PickedPlayList = {};
    const std::vector<VT::ListPtr> lists = Model.GetPlayLists();
    FollowLastAddTo(lastAddToPosition, lists);
    if (playListShown && (Model.GetMode() != VT::Manager::PlayListShown || lists.size() != rowsBefore))
        ShowNoSelection();
    RebuildPlayListPane(lists);
    RefreshSongView();
    SaveRenamedPlayLists(Model, ViewVars.ProgramFolder);
}

// The Add to last target stays only while its place still holds a list of the name its
// caption shows.
void TAppForm::FollowLastAddTo(std::size_t position, const std::vector<VT::ListPtr>& lists)
{
    if (position >= lists.size() || lists[position]->GetName() != ViewVars.LastAddToName)
        ClearLastAddTo();
}

// The rows are written over in place, only their number adjusted: emptying and refilling
// the box would cost every row its place in the view, on every undo. An undo that leaves
// every list its name, as most do, keeps the rows' order and costs no sort.
void TAppForm::RebuildPlayListPane(const std::vector<VT::ListPtr>& lists)
{
    PlaylistListBox->SetItemIndex(-1);
    if (RowsStandInOrderOn(lists)) {
        for (std::int32_t row = 0; row < static_cast<std::int32_t>(PlayListInfos.size()); ++row) {
            PlayListInfos[row].SearchState = {};
            UpdatePlayListEntry(row);
        }
        UpdateListArrow();
        return;
    }
    PlayListInfos.clear();
    for (const VT::ListPtr& list : lists)
        PlayListInfos.push_back(ListInfo{list, list->GetName(), {}});
    TStrings& rows = PlaylistListBox->Items();
    const auto count = static_cast<int>(lists.size());
    while (rows.Count() > count)
        rows.Delete(rows.Count() - 1);
    while (rows.Count() < count)
        rows.Add({});
    SortPlayLists();
}
