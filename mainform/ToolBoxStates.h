#pragma once

#include <cstdint>

// What the tool box at the bottom of the main window shows, as "options.opt" keeps it.
enum ToolBoxStates : std::uint8_t { SearchBoxShown = 0, QuickHelpShown = 1, AllHidden = 2 };
