#include "mainform/Unit1.h"

#include "mainform/SongReorder.h"

namespace {

// While songs are dragged within this distance of the song view's top or bottom edge,
// the view scrolls by the step at every tick of its timer.
constexpr int ScrollBand = 20;
constexpr int ScrollStep = 20;

// The song view is the window's only list view, so its class name tells a drag of songs.
bool CarriesSongs(const TControl& source)
{
    return source.ClassName() == "TListView";
}

} // namespace

void TAppForm::PlaylistListBoxDragOver(TControl& source, int x, int y, TDragState state, bool& accept)
{
    accept = CarriesSongs(source);
    const int row = state == dsDragLeave ? -1 : PlaylistListBox->ItemAtPos(x, y);
    if (row != PlaylistListBox->ItemIndex())
        PlaylistListBox->SetItemIndex(row);
}

void TAppForm::PlaylistListBoxDragDrop(TControl& source, int x, int y)
{
    if (!CarriesSongs(source))
        return;
    const int row = PlaylistListBox->ItemAtPos(x, y);
    if (row >= 0)
        AddSelectedToPlayList(row);
    else if (PlaylistListBox->Items().Count() == 0)
        ShowNewPlayListDialog(true);
}

void TAppForm::PlayListPanelDragOver(TControl& source, int, int, TDragState, bool& accept)
{
    accept = CarriesSongs(source);
}

void TAppForm::mp3ViewPanelDragOver(TControl& source, int, int, TDragState, bool& accept)
{
    accept = CarriesSongs(source);
}

void TAppForm::FormDragOver(TControl& source, int, int, TDragState, bool& accept)
{
    accept = CarriesSongs(source);
}

// The direction is that of the last event, so a pointer that left the view through an
// edge band keeps it scrolling; back over the middle, the timer ticks without effect.
void TAppForm::mp3ListViewDragOver(TControl& source, int, int y, TDragState, bool& accept)
{
    ViewVars.ScrollDirection = 0;
    if (y < ScrollBand)
        ViewVars.ScrollDirection = -1;
    if (y > mp3ListView->ClientHeight() - ScrollBand)
        ViewVars.ScrollDirection = 1;
    if (ViewVars.ScrollDirection != 0)
        ScrollViewTimer->SetEnabled(true);
    accept = CarriesSongs(source) && Model.GetMode() != VT::Manager::SourceShown;
}

void TAppForm::ScrollViewTimerTimer()
{
    if (ViewVars.ScrollDirection == 0)
        return;
    mp3ListView->Scroll(0, ViewVars.ScrollDirection * ScrollStep);
    mp3ListView->Repaint();
}

void TAppForm::mp3ListViewEndDrag(TControl*, int, int)
{
    ScrollViewTimer->SetEnabled(false);
    ViewVars.ScrollDirection = 0;
}

// The row is the one at the drop's height, whatever column lies under it; below the
// rows it is the last row.
void TAppForm::mp3ListViewDragDrop(TControl& source, int, int y)
{
    if (!CarriesSongs(source))
        return;
    const int rows = mp3ListView->Items().Count();
    int target = mp3ListView->GetItemAt(0, y);
    if (target < 0 && rows > 0)
        target = rows - 1;
    mp3ListView->SetItemFocused(target);
    if (target >= 0)
        MoveSelectedSongs(target);
}

// Entries are moved by their places in the play list, never looked up by their tags, so
// equal songs elsewhere in it stay where they are.
void TAppForm::MoveSelectedSongs(std::int32_t targetRow)
{
    if (Model.GetMode() != VT::Manager::PlayListShown)
        return;
    const std::vector<std::size_t> positions = SelectedPositions();
    if (positions.empty())
        return;
    const VT::ListPtr shown = Model.GetSelected();
    const int rows = mp3ListView->Items().Count();
    const SongReorder reorder = PlanSongReorder(mp3ListView->SelectedRows(), targetRow, rows);
    if (reorder.appended) {
        std::vector<VT::Song> moved;
        moved.reserve(positions.size());
        for (const std::size_t position : positions)
            moved.push_back(shown->songs[position]);
        Model.RemoveSongsAt(positions, shown);
        Model.AddSongs(std::move(moved), shown);
    } else {
        Model.MoveSongsAt(positions, shown, ShownPosition(static_cast<std::size_t>(reorder.beforeRow)));
    }
    RefreshSongView();
}
