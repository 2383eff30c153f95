#include "mainform/Unit1.h"

#include "catalogue/FoldCase.h"
#include "mainform/StatusLine.h"
#include "mainform/UniqueListName.h"

#include <algorithm>

namespace {

std::string SongCount(const VT::ListPtr& list)
{
    return std::to_string(list->songs.size());
}

// The row of a list, its name and its number of songs, written over `text`.
void WriteEntryText(std::string& text, const VT::ListPtr& list)
{
    text.assign(list->GetName()).append(" (").append(SongCount(list)).append(")");
}

// Byte order of the folded names, as the pane sorts them, without folding copies.
bool FoldedLess(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return VT::FoldByte(x) < VT::FoldByte(y); });
}

} // namespace

std::string TAppForm::ListEntryText(VT::ListPtr list) const
{
    std::string text;
    WriteEntryText(text, list);
    return text;
}

void TAppForm::AppendSource(VT::ListPtr source)
{
    SourceInfos.push_back(ListInfo{source, source->GetName(), {}});
    SourceListBox->Items().Add(ListEntryText(source));
}

std::int32_t TAppForm::AddPlayListEntry(VT::ListPtr playList)
{
    AppendPlayListEntry(playList);
    SortPlayLists();
    return PlayListRow(playList);
}

void TAppForm::AppendPlayListEntry(const VT::ListPtr& playList)
{
    PlayListInfos.push_back(ListInfo{playList, playList->GetName(), {}});
    PlaylistListBox->Items().Add(playList->GetName());
}

// A row that already reads so is left alone: an undo re-sorts the whole pane, and among
// many lists only the few it changed should cost the view anything.
void TAppForm::UpdatePlayListEntry(std::int32_t row)
{
    if (!IsPlayListIndex(row) || row >= static_cast<std::int32_t>(PlayListInfos.size()))
        return;
    thread_local std::string text;
    WriteEntryText(text, PlayListInfos[row].Handle);
    TStrings& rows = PlaylistListBox->Items();
    if (rows[row] != text)
        rows.Set(row, text);
}

std::string TAppForm::LowerCaseName(const std::string& name) { return VT::FoldCase(name); }

// The highlighted row keeps standing on its list, so that a re-sort never turns the
// highlight, or the row the options file records, to another list.
void TAppForm::SortPlayLists()
{
    const int selected = PlaylistListBox->ItemIndex();
    VT::ListPtr selectedList;
    if (selected >= 0 && selected < static_cast<int>(PlayListInfos.size()))
        selectedList = PlayListInfos[selected].Handle;
    std::vector<std::pair<std::string, ListInfo>> keyed;
    keyed.reserve(PlayListInfos.size());
    for (ListInfo& info : PlayListInfos)
        keyed.emplace_back(LowerCaseName(info.Name), std::move(info));
    // std::string compares its bytes as unsigned values, a prefix first.
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 0; k < keyed.size(); ++k)
        PlayListInfos[k] = std::move(keyed[k].second);
    for (int row = 0; row < PlaylistListBox->Items().Count(); ++row)
        UpdatePlayListEntry(row);
    if (selectedList.IsList())
        PlaylistListBox->SetItemIndex(PlayListRow(selectedList));
    UpdateListArrow();
}

bool TAppForm::RowsStandInOrderOn(const std::vector<VT::ListPtr>& lists) const
{
    if (PlayListInfos.size() != lists.size())
        return false;
    for (std::size_t row = 0; row < PlayListInfos.size(); ++row) {
        const ListInfo& info = PlayListInfos[row];
        if (!info.Handle.IsList() || info.Handle->GetName() != info.Name)
            return false;
        if (row > 0 && !FoldedLess(PlayListInfos[row - 1].Name, info.Name))
            return false;
    }
    return true;
}

std::int32_t TAppForm::FindPlayListInfo(const std::string& name) const
{
    for (std::size_t row = 0; row < PlayListInfos.size(); ++row) {
        if (PlayListInfos[row].Name == name)
            return static_cast<std::int32_t>(row);
    }
    return -1;
}

std::int32_t TAppForm::PlayListRow(const VT::ListPtr& playList) const
{
    for (std::size_t row = 0; row < PlayListInfos.size(); ++row) {
        if (PlayListInfos[row].Handle == playList)
            return static_cast<std::int32_t>(row);
    }
    return -1;
}

std::string TAppForm::MakeUniqueListName(const std::string& requested) const
{
    std::vector<std::string> names;
    names.reserve(PlayListInfos.size());
    for (const ListInfo& info : PlayListInfos)
        names.push_back(info.Handle->GetName());
    return UniqueListName(requested, names);
}

bool TAppForm::IsPlayListIndex(std::int32_t row) const
{
    return row >= 0 && row < PlaylistListBox->Items().Count();
}

TListBox& TAppForm::PaneBox(Pane pane) const
{
    return pane == Pane::Sources ? *SourceListBox : *PlaylistListBox;
}

std::vector<ListInfo>& TAppForm::PaneInfos(Pane pane)
{
    return pane == Pane::Sources ? SourceInfos : PlayListInfos;
}

std::int32_t TAppForm::ShownRow() const
{
    const VT::ListPtr shown = Model.GetSelected();
    const std::uint8_t mode = Model.GetMode();
    if (mode == VT::Manager::NothingShown || !shown.IsList())
        return -1;
    const std::vector<ListInfo>& infos = mode == VT::Manager::SourceShown ? SourceInfos : PlayListInfos;
    for (std::size_t row = 0; row < infos.size(); ++row) {
        if (infos[row].Handle == shown)
            return static_cast<std::int32_t>(row);
    }
    return -1;
}

void TAppForm::SaveSearchStateOfShownList()
{
    const std::int32_t row = ShownRow();
    if (row < 0)
        return;
    const Pane pane = Model.GetMode() == VT::Manager::SourceShown ? Pane::Sources : Pane::PlayLists;
    PaneInfos(pane)[row].SearchState = SearchState;
}

void TAppForm::ShowList(Pane pane, std::int32_t row)
{
    TListBox& box = PaneBox(pane);
    std::vector<ListInfo>& infos = PaneInfos(pane);
    if (row < 0 || row >= box.Items().Count() || row >= static_cast<std::int32_t>(infos.size()))
        return;
    SearchState.Title = TitleEdit->Text();
    SearchState.Artist = ArtistEdit->Text();
    SearchState.Year = YearEdit->Text();
    SearchState.Genre = GenreEdit->Text();
    SearchState.Within = SearchWithinCheckBox->Checked();
    SaveSearchStateOfShownList();
    SearchState = infos[row].SearchState;
    TitleEdit->SetText(SearchState.Title);
    ArtistEdit->SetText(SearchState.Artist);
    YearEdit->SetText(SearchState.Year);
    GenreEdit->SetText(SearchState.Genre);
    const VT::ListPtr list = infos[row].Handle;
    if (pane == Pane::Sources) {
        SetSourceLook();
        Model.SelectSource(list);
    } else {
        SetPlayListLook();
        Model.SelectPlayList(list);
    }
    RefreshSongView();
    box.SetItemIndex(row);
    PaneBox(pane == Pane::Sources ? Pane::PlayLists : Pane::Sources).SetItemIndex(-1);
    PlaceArrow(row, box);
}

void TAppForm::SelectSource(std::int32_t row)
{
    ShowList(Pane::Sources, row);
}

void TAppForm::SelectPlayList(std::int32_t row)
{
    ShowList(Pane::PlayLists, row);
}

void TAppForm::ShowNoSelection()
{
    // First, so that a refresh which the writes below set off finds nothing shown.
    Model.SelectNone();
    CurrentListLabel->SetCaption(NothingShownText);
    ApplyLook(Look::Nothing);
    SearchWithinCheckBox->SetChecked(false);
    SearchGroupBox->SetEnabled(false);
    AddSongButton->SetEnabled(false);
    // Lets go of the list that was shown: it may have left the model, and it can be large.
    ShowSongs(nullptr);
    mp3ListView->SetEnabled(false);
    mp3ListView->ClearSelection();
    HideArrowPanel();
}

void TAppForm::UpdateListArrow()
{
    const bool source = Model.GetMode() == VT::Manager::SourceShown;
    PlaceArrow(ShownRow(), source ? *SourceListBox : *PlaylistListBox);
}

void TAppForm::PlaceArrow(std::int32_t row, TListBox& box)
{
    if (row < 0 || row >= box.Items().Count() || Model.GetMode() == VT::Manager::NothingShown) {
        HideArrowPanel();
        return;
    }
    const TControl& group = *box.Parent();
    const int boxTop = group.Top() + box.Top();
    const int y = boxTop + box.ItemRect(row).Top;
    if (y < boxTop || y + ArrowPanel->Height() > boxTop + box.Height()) {
        HideArrowPanel();
        return;
    }
    const int left = group.Left() + box.Left() + box.ClientWidth() - ArrowPanel->Width();
    ArrowPanel->SetBounds(left, y + 2, ArrowPanel->Width(), ArrowPanel->Height());
    ArrowPanel->Show();
}

void TAppForm::HideArrowPanel()
{
    ArrowPanel->Hide();
}

void TAppForm::PlaylistListBoxDrawItem(TListBox& box, int index, const TRect& rect, TOwnerDrawState)
{
    // The flash highlights a row that is not the shown list's; the arrow stays put.
    if (!DragSelect->Enabled())
        UpdateListArrow();
    TCanvas& canvas = box.Canvas();
    canvas.FillRect(rect);
    canvas.TextOut(rect.Left + 3, rect.Top + 3, box.Items()[index]);
}

void TAppForm::ShowPaneHint(Pane pane, int x, int y)
{
    TListBox& box = PaneBox(pane);
    const int row = box.ItemAtPos(x, y);
    const std::vector<ListInfo>& infos = PaneInfos(pane);
    if (row < 0 || row >= static_cast<int>(infos.size())) {
        box.SetShowHint(false);
        return;
    }
    const VT::ListPtr& list = infos[row].Handle;
    box.SetShowHint(true);
    box.SetHint("\"" + list->GetName() + (pane == Pane::Sources ? "\" folder has " : "\" playlist has ")
                + SongCount(list) + " songs");
}

void TAppForm::SourceListBoxMouseMove(TShiftState, int x, int y)
{
    ShowPaneHint(Pane::Sources, x, y);
}

void TAppForm::PlaylistListBoxMouseMove(TShiftState, int x, int y)
{
    ShowPaneHint(Pane::PlayLists, x, y);
}

void TAppForm::PaneMouseUp(Pane pane, int x, int y)
{
    SourceListBox->Repaint();
    const int row = PaneBox(pane).ItemAtPos(x, y);
    HideHelpBubble();
    if (row < 0)
        return;
    if (pane == Pane::PlayLists)
        PickedPlayList = PlayListInfos[row].Handle;
    ShowList(pane, row);
}

void TAppForm::SourceListBoxMouseUp(TMouseButton, TShiftState, int x, int y)
{
    PaneMouseUp(Pane::Sources, x, y);
}

void TAppForm::PlaylistListBoxMouseUp(TMouseButton, TShiftState, int x, int y)
{
    PaneMouseUp(Pane::PlayLists, x, y);
}
