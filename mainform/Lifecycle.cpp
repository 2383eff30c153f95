#include "mainform/Unit1.h"

#include "dialogs/loadthread.h"
#include "framework/TApplication.h"
#include "framework/WhileAnswering.h"
#include "platform/Separator.h"
#include "platform/WholeFile.h"

void TAppForm::UseProgramFolder(std::string folder)
{
    ViewVars.ProgramFolder = std::move(folder);
    programFolderGiven_ = true;
}

void TAppForm::FormActivate()
{
    if (!FirstActivation)
        return;
    SearchState.Title = TitleEdit->Text();
    SearchState.Artist = ArtistEdit->Text();
    SearchState.Year = YearEdit->Text();
    SearchState.Genre = GenreEdit->Text();
    SearchState.TitlePlaceholder = true;
    SearchState.ArtistPlaceholder = true;
    SearchState.YearFromList = true;
    SearchState.GenrePlaceholder = true;
    Application->SetHintPause(400);
    Application->SetHintShortPause(0);
    Application->SetHintHidePause(10000);
    Platform::IgnoreFileSizeSignal();
    if (!programFolderGiven_)
        ViewVars.ProgramFolder = Platform::FolderOf(Application->ExeName());
    ShowNoSelection();
    LayoutViewPanel();
    new TLoadThread(ViewVars.ProgramFolder,
                    LoadSteps{.LoadSources = [this](ReadLists sources) { LoadSources(std::move(sources)); },
                              .LoadPlayLists = [this](ReadLists playLists) { LoadPlayLists(std::move(playLists)); },
                              .LoadOptions = [this] { LoadOptions(); },
                              .LayoutToolBox = [this] { LayoutToolBox(); }});
    FirstActivation = false;
}

// Only the lists read here are added, each with its record and its row together, so the
// rows that the user made while the load ran stay as they are and in step with their
// records.
void TAppForm::LoadSources(std::optional<std::vector<VT::PlayList>> read)
{
    if (!read) {
        Application->MessageBox("There was an error loading Sources from : " + ViewVars.ProgramFolder);
        return;
    }
    for (const auto& source : Model.AddLoadedSources(std::move(*read)))
        AppendSource(source);
}

void TAppForm::LoadPlayLists(std::optional<std::vector<VT::PlayList>> read)
{
    if (!read) {
        Application->MessageBox("There was an error loading Play Lists from : " + ViewVars.ProgramFolder);
        return;
    }
    for (const auto& playList : Model.AddLoadedPlayLists(std::move(*read)))
        AppendPlayListEntry(playList);
    SortPlayLists();
}

// The lists are written off the main thread, its event loop turning meanwhile, and
// nothing reads or changes them there on the way: the framework refuses the close box of
// a disabled window, holds worker steps while the window closes and updates no command
// of a hidden window; the window is hidden first, so no input reaches it, and the loop
// takes none; the window's timers only move, colour and scroll controls.
void TAppForm::FormClose(TCloseAction&)
{
    SaveOptions();
    Hide();
    std::vector<VT::ListPtr> failed;
    RunWhileAnswering([this, &failed] {
        failed = SavePlayLists();
        for (const VT::ListPtr& source : SaveSources())
            failed.push_back(source);
    });
    if (failed.empty())
        return;
    std::string names;
    for (const VT::ListPtr& list : failed)
        names += (names.empty() ? "" : ", ") + list->GetName();
    Application->MessageBox("The changes to these lists could not be saved: " + names + ".");
}

std::vector<VT::ListPtr> TAppForm::SavePlayLists()
{
    if (ViewVars.ProgramFolder.empty())
        return {};
    return Model.SavePlayLists(ViewVars.ProgramFolder);
}

std::vector<VT::ListPtr> TAppForm::SaveSources()
{
    if (ViewVars.ProgramFolder.empty())
        return {};
    return Model.SaveSources(ViewVars.ProgramFolder);
}
