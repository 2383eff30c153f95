#include "mainform/Unit1.h"

#include "framework/Shell.h"

void TAppForm::PlayActionExecute()
{
    if (Model.GetMode() == VT::Manager::NothingShown)
        return;
    // The selected rows, or else the whole list as stored, whatever a search narrowed
    // the view to.
    VT::PlayList selected;
    GetSelectedSongs(selected);
    const VT::ListPtr shown = Model.GetSelected();
    const std::vector<VT::Song>& chosen = selected.songs.empty() ? shown->songs : selected.songs;
    const std::string playFile = ViewVars.ProgramFolder + "currentlist.m3u";
    try {
        VT::WriteM3U(playFile, chosen, true);
    } catch (const VT::invalid_file&) {
        // The player would only get an old list; nothing to tell the user either.
        return;
    }
    ShellOpen(playFile, SW_SHOWNORMAL);
    RefreshSongView();
}

void TAppForm::PlayClick()
{
    PlayActionExecute();
}

void TAppForm::mp3ListViewDblClick()
{
    // The song of the last mouse-up over a row; a double click below the rows opens it too.
    const std::string clicked = ViewVars.ClickedSongPath;
    if (!clicked.empty())
        OpenWithShell(clicked);
}

void TAppForm::OpenWithShell(const std::string& fileName)
{
    ShellOpen(fileName, SW_SHOWMINIMIZED);
}
