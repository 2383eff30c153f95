#pragma once

#include "catalogue/Manager.h"
#include "mainform/ToolBoxStates.h"

#include <cstdint>

// What decides whether a command of the main window can run, read from the window each
// time the actions are updated.
struct CommandState {
    std::uint8_t mode = VT::Manager::NothingShown;
    // The whole shown list, not only the rows a search leaves.
    bool shownHasSongs = false;
    bool songsSelected = false;
    bool viewHasRows = false;
    bool clipboardHasSongs = false;
    std::uint8_t toolBoxState = AllHidden;
    bool searchWithin = false;
};

using CommandRule = bool (*)(const CommandState&);

namespace CommandRules {

inline bool Always(const CommandState&)
{
    return true;
}

inline bool SourceShown(const CommandState& state)
{
    return state.mode == VT::Manager::SourceShown;
}

inline bool PlayListShown(const CommandState& state)
{
    return state.mode == VT::Manager::PlayListShown;
}

inline bool SomethingShown(const CommandState& state)
{
    return state.mode != VT::Manager::NothingShown;
}

inline bool PlayListWithSongs(const CommandState& state)
{
    return PlayListShown(state) && state.shownHasSongs;
}

inline bool ShownWithSongs(const CommandState& state)
{
    return SomethingShown(state) && state.shownHasSongs;
}

inline bool SongsSelected(const CommandState& state)
{
    return state.songsSelected;
}

inline bool PlayListSongsSelected(const CommandState& state)
{
    return PlayListShown(state) && state.songsSelected;
}

inline bool CanPaste(const CommandState& state)
{
    return PlayListShown(state) && state.clipboardHasSongs;
}

inline bool ViewHasRows(const CommandState& state)
{
    return SomethingShown(state) && state.viewHasRows;
}

inline bool ToolBoxShown(const CommandState& state)
{
    return state.toolBoxState != AllHidden;
}

inline bool ShowsSearchBox(const CommandState& state)
{
    return state.toolBoxState == SearchBoxShown;
}

inline bool ShowsQuickHelp(const CommandState& state)
{
    return state.toolBoxState == QuickHelpShown;
}

inline bool SearchWithin(const CommandState& state)
{
    return state.searchWithin;
}

} // namespace CommandRules
