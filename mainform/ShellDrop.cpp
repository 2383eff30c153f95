#include "mainform/Unit1.h"

#include <optional>

namespace {

// From the last dot on, unless a folder separator or a drive's colon follows it.
std::string UpperCaseExtension(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find_first_of("/\\:", dot) != std::string::npos)
        return {};
    std::string extension = path.substr(dot);
    for (char& c : extension)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return extension;
}

// The song a dropped file gives, read as a scan reads it; none for a file that is no song
// (another kind, a folder, a pipe, a file that cannot be read).
std::optional<VT::Song> DroppedSong(const std::string& path)
{
    if (UpperCaseExtension(path) != ".MP3")
        return std::nullopt;
    VT::MP3Song song;
    try {
        song.ReadTag(path);
    } catch (const VT::no_tag&) {
        if (!song.TitleFromFileName())
            return std::nullopt;
    } catch (const VT::invalid_file&) {
        return std::nullopt;
    } catch (const VT::bad_tag&) {
        return std::nullopt;
    }
    return song;
}

} // namespace

// Only the first file counts, whatever the others are.
void TAppForm::WMDropFiles(const std::vector<std::string>& files)
{
    if (Model.GetMode() != VT::Manager::PlayListShown || files.empty())
        return;
    std::optional<VT::Song> song = DroppedSong(files.front());
    if (!song)
        return;
    Model.AddSongs({std::move(*song)}, Model.GetSelected());
    RefreshSongView();
}
