#include "mainform/Unit1.h"

#include "catalogue/FoldCase.h"
#include "platform/WholeFile.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace {

const char* const OptionsFile = "options.opt";

// The row that `shown` will have in its pane when the next start reads the folder back:
// the files, named `files` by the save at close, are read in the byte order of their
// names, and the play-list pane then sorts by folded name, keeping that order among equal
// names. -1 when `shown` is none of the lists.
std::int32_t RowWhenReadBack(const std::vector<VT::ListPtr>& lists, VT::ListPtr shown,
                             const std::vector<std::string>& files, bool sortedByName)
{
    const auto place = std::ranges::find(lists, shown);
    if (place == lists.end())
        return -1;
    const auto key = [&](std::size_t at) {
        return std::pair(sortedByName ? VT::FoldCase(lists[at]->GetName()) : std::string(), files[at]);
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
    const std::string& folder = ViewVars.ProgramFolder;
    if (options.ShownKind == VT::Manager::SourceShown)
        options.ShownRow = RowWhenReadBack(Model.GetSources(), Model.GetSelected(),
                                           Model.SourceFileNamesAtSave(folder), false);
    else if (options.ShownKind == VT::Manager::PlayListShown)
        options.ShownRow = RowWhenReadBack(Model.GetPlayLists(), Model.GetSelected(),
                                           Model.PlayListFileNamesAtSave(folder), true);
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
