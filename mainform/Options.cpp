#include "mainform/Unit1.h"

#include "platform/WholeFile.h"

#include <optional>
#include <string>

namespace {

const char* const OptionsFile = "options.opt";

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
    Platform::ReplaceFile(ViewVars.ProgramFolder + OptionsFile, FormatOptions(CurrentOptions()));
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
