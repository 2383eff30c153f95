#include "mainform/Unit1.h"

std::vector<std::size_t> TAppForm::SelectedPositions() const
{
    std::vector<std::size_t> positions;
    if (ShowsPlaceholder())
        return positions;
    const std::vector<int> rows = mp3ListView->SelectedRows();
    positions.reserve(rows.size());
    for (const int row : rows)
        positions.push_back(ShownPosition(static_cast<std::size_t>(row)));
    return positions;
}

// Without a selection the whole shown list is copied, also the songs a search hides.
void TAppForm::CopySelectedSongs()
{
    if (Model.GetMode() == VT::Manager::NothingShown)
        return;
    if (SongsSelected())
        GetSelectedSongs(Clipboard);
    else
        Clipboard = *Model.GetSelected();
}

void TAppForm::PasteSongs()
{
    if (Model.GetMode() != VT::Manager::PlayListShown || Clipboard.songs.empty())
        return;
    const VT::ListPtr shown = Model.GetSelected();
    if (SongsSelected())
        Model.InsertSongs(Clipboard.songs, shown, SongFromItem(mp3ListView->Selected()));
    else
        Model.AddSongs(Clipboard.songs, shown);
    RefreshSongView();
}

void TAppForm::Cut1Click()
{
    CopySelectedSongs();
    DeleteSelectedSongs();
}

void TAppForm::CopyActionExecute()
{
    CopySelectedSongs();
}

void TAppForm::PasteActionExecute()
{
    PasteSongs();
}

void TAppForm::DeleteSelectionActionExecute()
{
    DeleteSelectedSongs();
}

// The placeholder row stands for no song, so there is nothing to select then.
void TAppForm::SelectAllActionExecute()
{
    if (ShowsPlaceholder())
        return;
    mp3ListView->SetFocus();
    mp3ListView->SelectAll();
}

void TAppForm::AddToNewPlaylistActionExecute()
{
    ShowNewPlayListDialog(true);
}
