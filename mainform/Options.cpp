#include "mainform/Unit1.h"

#include "catalogue/FoldCase.h"
#include "catalogue/ListFileNames.h"
#include "platform/FolderListing.h"
#include "platform/WholeFile.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

const char* const OptionsFile = "options.opt";

// The row that `shown` will have in its pane when the next start reads the folder back:
// the files are read in the byte order of their names, which are chosen here as the save
// at close chooses them, and the play-list pane then sorts by folded name, keeping that
// order among equal names. -1 when `shown` is none of the lists.
std::int32_t RowWhenReadBack(const std::vector<VT::ListPtr>& lists, VT::ListPtr shown, const std::string& folder,
                             std::string_view extension, bool sortedByName)
{
    const auto place = std::ranges::find(lists, shown);
    if (place == lists.end())
        return -1;
    std::vector<VT::ListFileClaim> claims;
    claims.reserve(lists.size());
    for (const VT::ListPtr& list : lists)
        claims.push_back({list->GetName(), list->GetFilePath()});
    const std::vector<std::string> files = VT::ChooseFileNames(
        claims, Platform::ListFolder(folder).value_or(std::vector<std::string>()), folder, extension);
    const auto key = [&](std::size_t at) {
        return std::pair(sortedByName ? VT::FoldCase(claims[at].name) : std::string(), files[at]);
    };
    const auto shownKey = key(static_cast<std::size_t>(place - lists.begin()));
    std::int32_t row = 0;
    for (std::size_t at = 0; at < lists.size(); ++at)
        row += key(at) < shownKey ? 1 : 0;
    return row;
}

} // namespace

// With nothing shown the row is that of the play-list pane, which the reader then passes over.
WindowOptions TAppForm::CurrentOptions() const
{
    WindowOptions options{.PrevToolBoxState = PrevToolBoxState, .ToolBoxState = ToolBoxState};
    options.ShownKind = Model.GetMode();
    options.ShownRow = options.ShownKind == VT::Manager::NothingShown ? PlaylistListBox->ItemIndex() : ShownRow();
    for (std::size_t column = 0; column < options.ColumnWidths.size(); ++column)
        options.ColumnWidths[column] = mp3ListView->Columns()[static_cast<int>(column)].Width();
    return options;
}

void TAppForm::SaveOptions()
{
    if (!optionsRead_)
        return;
    WindowOptions options = CurrentOptions();
    if (options.ShownKind == VT::Manager::SourceShown)
        options.ShownRow = RowWhenReadBack(Model.GetSources(), Model.GetSelected(), ViewVars.ProgramFolder,
                                           VT::SourceManager::Extension, false);
    else if (options.ShownKind == VT::Manager::PlayListShown)
        options.ShownRow = RowWhenReadBack(Model.GetPlayLists(), Model.GetSelected(), ViewVars.ProgramFolder,
                                           VT::PlayListManager::Extension, true);
    Platform::ReplaceFile(ViewVars.ProgramFolder + OptionsFile, FormatOptions(options));
}

// Values the file does not give keep what the window has, the shown list included.
void TAppForm::LoadOptions()
{
    optionsRead_ = true;
    const std::optional<std::string> content = Platform::ReadWholeFile(ViewVars.ProgramFolder + OptionsFile);
    if (!content) {
        HelpRunning = true;
        return;
    }
    WindowOptions options = CurrentOptions();
    const bool complete = ReadOptions(*content, options);
    PrevToolBoxState = options.PrevToolBoxState;
    if (!complete)
        return;
    ToolBoxState = options.ToolBoxState;
    for (std::size_t column = 0; column < options.ColumnWidths.size(); ++column)
        mp3ListView->Columns()[static_cast<int>(column)].SetWidth(options.ColumnWidths[column]);
    ShowStoredList(options.ShownKind, options.ShownRow);
    RefreshSongView();
    HelpRunning = true;
}

// A kind that names no list selects nothing, as does a row of none (-1); the select
// routines pass over a row beyond their pane.
void TAppForm::ShowStoredList(std::uint8_t kind, std::int32_t row)
{
    if (kind == VT::Manager::NothingShown)
        ShowNoSelection();
    else if (kind == VT::Manager::SourceShown && row != -1)
        SelectSource(row);
    else if (kind == VT::Manager::PlayListShown && row != -1)
        SelectPlayList(row);
}
