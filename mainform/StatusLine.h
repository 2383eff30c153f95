#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr const char* NothingShownText = "   No Play List or Source Selected";

// What the song view shows of the list it was filled from.
struct ShownSongCount {
    // The kind of list shown, as the model tells it: 0 a source, 1 a play list, 2 nothing.
    std::uint8_t kind = 2;
    std::size_t rows = 0;
    // The one row stands for no song ("(No Songs)", "(No Songs Found)").
    bool placeholder = false;
    // The songs of the whole list.
    std::size_t total = 0;
};

// The status line above the song view: whether the list is viewed whole or searched, its
// name in double quotes and how many of its songs are shown.
std::string StatusLineText(const ShownSongCount& shown, const std::string& listName);
