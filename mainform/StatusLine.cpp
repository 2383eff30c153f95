#include "mainform/StatusLine.h"

#include "catalogue/Manager.h"

namespace {

constexpr const char* SearchingPlayList = "   Searching Play List \"";
constexpr const char* ViewingPlayList = "   Viewing Play List \"";
constexpr const char* SearchingLibrary = "   Searching Library \"";
constexpr const char* ViewingLibrary = "   Viewing Library \"";

} // namespace

// A placeholder row counts as a row when telling a search from a whole list, so that a
// search which leaves nothing of a one-song list reads as viewing it.
std::string StatusLineText(const ShownSongCount& shown, const std::string& listName)
{
    if (shown.kind == VT::Manager::NothingShown)
        return NothingShownText;
    const bool searching = shown.rows != shown.total && shown.total > 0;
    const bool playList = shown.kind == VT::Manager::PlayListShown;
    std::string text = playList ? (searching ? SearchingPlayList : ViewingPlayList)
                                : (searching ? SearchingLibrary : ViewingLibrary);
    text += listName + "\" (" + std::to_string(shown.placeholder ? 0 : shown.rows);
    if (searching)
        text += " of " + std::to_string(shown.total);
    return text + " songs)";
}
