#include "mainform/Unit1.h"

#include "mainform/StatusLine.h"
#include "mainform/WindowColors.h"

#include <array>
#include <string_view>

namespace {

// A row's sub-items, in column order: what the row shows and what a song taken back from
// the row holds.
using SubItemTexts = std::array<std::string_view, 7>;

SubItemTexts RowTexts(const VT::Song& song)
{
    return {song.GetTitle(), song.GetArtist(), song.GetAlbum(),  song.GetYear(),
            song.GetGenre(), song.GetFileName(), song.GetFolder()};
}

} // namespace

void TAppForm::ShowSongs(std::shared_ptr<const VT::PlayList> songs, std::vector<std::size_t> positions)
{
    ShownSongs = songs ? std::move(songs) : std::make_shared<const VT::PlayList>();
    ShownPositions = std::move(positions);
    showsPlaceholder_ = false;
    mp3ListView->Items().SetCount(static_cast<int>(ShownRowCount()));
    // Queued, not painted here: a keystroke of the search then costs the search alone,
    // and several changes before the next paint make one.
    mp3ListView->Invalidate();
}

std::size_t TAppForm::ShownRowCount() const
{
    return ShownPositions.empty() ? ShownSongs->songs.size() : ShownPositions.size();
}

std::size_t TAppForm::ShownPosition(std::size_t row) const
{
    return ShownPositions.empty() ? row : ShownPositions[row];
}

const VT::Song& TAppForm::ShownSong(std::size_t row) const
{
    return ShownSongs->songs[ShownPosition(row)];
}

void TAppForm::ShowPlaceholderRow(const std::string& text)
{
    auto placeholder = std::make_shared<VT::PlayList>();
    placeholder->songs.emplace_back().SetTitle(text);
    ShowSongs(std::move(placeholder));
    showsPlaceholder_ = true;
    // A row that was selected before would now stand on the placeholder.
    mp3ListView->ClearSelection();
    mp3ListView->SetEnabled(false);
}

void TAppForm::UpdateStatusLine()
{
    ShownSongCount count{.kind = Model.GetMode(), .rows = ShownRowCount(), .placeholder = ShowsPlaceholder()};
    std::string name;
    if (count.kind != VT::Manager::NothingShown) {
        const VT::ListPtr shown = Model.GetSelected();
        count.total = shown->songs.size();
        name = shown->GetName();
    }
    CurrentListLabel->SetCaption(StatusLineText(count, name));
}

// The colours and the pictures of the search box that tell which kind of list is shown.
void TAppForm::ApplyLook(Look look)
{
    const bool playList = look == Look::PlayList;
    const bool source = look == Look::Source;
    const bool nothing = look == Look::Nothing;
    const TColor paneColor = playList ? PlayListColor : source ? SourceColor : NothingShownColor;
    SearchGroupBox->SetColor(paneColor);
    CurrentListLabel->SetColor(paneColor);
    SearchWithinCheckBox->SetColor(paneColor);
    mp3ViewPanel->SetColor(ViewPanelColor);
    for (TControl* box : std::initializer_list<TControl*>{mp3ListView, TitleEdit, ArtistEdit, YearEdit, GenreEdit})
        box->SetColor(nothing ? GreyBoxColor : LiveBoxColor);
    SFSGrey->SetVisible(nothing);
    SFSGreen->SetVisible(playList);
    SFSBrown->SetVisible(source);
    ClearAll->SetVisible(nothing);
    ClearAllGreen->SetVisible(playList);
    ClearAllBrown->SetVisible(source);
    LogicSearchGrey->SetVisible(nothing);
    LogicSearchGreen->SetVisible(playList);
    LogicSearchBrown->SetVisible(source);
}

void TAppForm::ApplyListLook(Look look)
{
    ApplyLook(look);
    SearchGroupBox->SetEnabled(true);
    SearchWithinCheckBox->SetChecked(SearchState.Within);
    mp3ListView->SetEnabled(true);
    mp3ListView->ClearSelection();
    UpdateButtons();
}

void TAppForm::SetPlayListLook()
{
    ApplyListLook(Look::PlayList);
}

void TAppForm::SetSourceLook()
{
    ApplyListLook(Look::Source);
}

void TAppForm::UpdateButtons()
{
    // The buttons follow the rules of their commands.
    const CommandState state = CurrentCommandState();
    AddSongButton->SetEnabled(CanAddSelection());
    CreateFolderButton->SetEnabled(CommandRules::PlayListWithSongs(state));
    Play->SetEnabled(CommandRules::ShownWithSongs(state));
}

void TAppForm::mp3ListViewData(TListItem& item)
{
    const int row = item.Index();
    if (row < 0 || static_cast<std::size_t>(row) >= ShownRowCount())
        return;
    item.SetCaption(std::to_string(row + 1));
    std::vector<std::string>& texts = item.SubItems();
    texts.clear();
    for (const std::string_view text : RowTexts(ShownSong(static_cast<std::size_t>(row))))
        texts.emplace_back(text);
}

// Sorting the shown list where the model holds it: the view lets go of its share first,
// so that the list is not copied for the view's sake.
void TAppForm::SortShownList(std::uint8_t field)
{
    const VT::ListPtr shown = Model.GetSelected();
    ShownSongs = std::make_shared<const VT::PlayList>();
    ShownPositions.clear();
    shown.Edit().SortByField(field, SortDirection);
}

void TAppForm::mp3ListViewColumnClick(int column)
{
    if (column == LastSortColumn)
        SortDirection = -SortDirection;
    LastSortColumn = column;
    // The row numbers and the hidden folder column have no sort key.
    if (column <= 0 || column > VT::FileNameField + 1)
        return;
    const auto field = static_cast<std::uint8_t>(column - 1);
    switch (Model.GetMode()) {
    case VT::Manager::PlayListShown:
        // A view narrowed by a search cannot give the play list a whole order.
        if (!ShowsPlaceholder() && ShownRowCount() == Model.GetSelected()->songs.size())
            SortShownList(field);
        break;
    case VT::Manager::SourceShown:
        SortShownList(field);
        break;
    default:
        break;
    }
    RefreshSongView();
}

void TAppForm::mp3ListViewSelectItem(int, bool)
{
    if (ShowsPlaceholder() && mp3ListView->Selected() >= 0) {
        mp3ListView->ClearSelection(); // raises this handler again, which updates the buttons
        return;
    }
    UpdateButtons();
}

void TAppForm::mp3ListViewMouseUp(TMouseButton, TShiftState, int x, int y)
{
    UpdateButtons();
    HideHelpBubble();
    const int row = mp3ListView->GetItemAt(x, y);
    if (row >= 0 && !ShowsPlaceholder())
        ViewVars.ClickedSongPath = SongFromItem(row).GetFullFileName();
}

VT::Song TAppForm::SongFromItem(int row) const
{
    if (ShowsPlaceholder() || row < 0 || row >= mp3ListView->Items().Count()
        || static_cast<std::size_t>(row) >= ShownRowCount())
        throw VT::not_in_range();
    // The row's texts are taken where the view takes them, not asked of the view: a
    // selection of many rows then costs no row's strings.
    const SubItemTexts texts = RowTexts(ShownSong(static_cast<std::size_t>(row)));
    const auto text = [&](std::size_t field) { return texts[static_cast<std::size_t>(ViewVars.ColumnMap[field])]; };
    return VT::Song({.title = text(0), .artist = text(1), .album = text(4), .genre = text(3), .year = text(2),
                     .fileName = text(5), .folder = text(6), .path = {}, .type = {}});
}

void TAppForm::GetSelectedSongs(VT::PlayList& list) const
{
    list.songs.clear();
    if (ShowsPlaceholder())
        return;
    const std::vector<int> rows = mp3ListView->SelectedRows();
    list.songs.reserve(rows.size());
    for (const int row : rows)
        list.songs.push_back(SongFromItem(row));
}
