#include "catalogue/Manager.h"

#include "catalogue/MP3Song.h"

#include <type_traits>
#include <utility>

namespace VT {

void Manager::SelectSource(ListPtr source)
{
    mode_ = SourceShown;
    sources_.SetCurrent(source);
    shown_ = source;
}

void Manager::SelectPlayList(ListPtr playList)
{
    mode_ = PlayListShown;
    playLists_.SetCurrent(playList);
    shown_ = playList;
}

void Manager::SelectNone() { mode_ = NothingShown; }

ListPtr Manager::GetSelected() const { return mode_ == NothingShown ? ListPtr() : shown_; }

void Manager::EnsureUndoBase()
{
    if (history_.Size() == 0)
        history_.Push(playLists_);
}

void Manager::SaveUndo() { history_.Push(playLists_); }

// Runs one play-list edit between the two pushes of the undo bracket. An edit that
// throws leaves the base state but records no step.
template <typename Edit> auto Manager::Bracket(Edit edit)
{
    EnsureUndoBase();
    if constexpr (std::is_void_v<decltype(edit())>) {
        edit();
        SaveUndo();
    } else {
        auto result = edit();
        SaveUndo();
        return result;
    }
}

ListPtr Manager::AddPlayList(PlayList list)
{
    return Bracket([&] { return playLists_.Add(std::move(list)); });
}

void Manager::RemovePlayList(ListPtr list)
{
    Bracket([&] {
        ForgetShownIf(list);
        playLists_.Remove(list);
    });
}

void Manager::AddSongs(std::vector<Song> songs, ListPtr list)
{
    Bracket([&] { playLists_.AddSongs(std::move(songs), list); });
}

void Manager::InsertSongs(const std::vector<Song>& songs, ListPtr list, const Song& before)
{
    Bracket([&] { playLists_.InsertSongs(songs, list, before); });
}

void Manager::MoveSongs(const std::vector<Song>& songs, ListPtr list, const Song& before)
{
    Bracket([&] { playLists_.MoveSongs(songs, list, before); });
}

void Manager::RemoveSongs(const std::vector<Song>& songs, ListPtr list)
{
    Bracket([&] { playLists_.RemoveSongs(songs, list); });
}

void Manager::RemoveSongsAt(const std::vector<std::size_t>& positions, ListPtr list)
{
    Bracket([&] { playLists_.RemoveSongsAt(positions, list); });
}

void Manager::MoveSongsAt(const std::vector<std::size_t>& positions, ListPtr list, std::size_t before)
{
    Bracket([&] { playLists_.MoveSongsAt(positions, list, before); });
}

ListPtr Manager::ImportM3U(const std::string& path, const std::string& folder, MP3Song& reading, int& lineCount,
                           const NameRule& uniqueName)
{
    return Bracket([&] {
        const ListPtr imported = playLists_.ImportM3U(path, folder, reading, sources_, lineCount);
        if (uniqueName)
            imported.Edit().SetName(uniqueName(imported->GetName()));
        return imported;
    });
}

void Manager::Undo() { Restore(history_.Undo()); }

void Manager::Redo() { Restore(history_.Redo()); }

// The play-list nodes stay in place by position; a shown play list whose position the
// restored state no longer has is forgotten, so no handle of the view is left dangling.
void Manager::Restore(const PlayListManager* state)
{
    if (state == nullptr)
        return;
    if (shown_.IsList() && playLists_.IndexOf(shown_) < playLists_.Size()
        && playLists_.IndexOf(shown_) >= state->Size())
        ForgetShownIf(shown_);
    playLists_ = *state;
}

void Manager::ForgetShownIf(ListPtr list)
{
    if (!(shown_ == list))
        return;
    shown_ = {};
    mode_ = NothingShown;
}

void Manager::RemoveSource(ListPtr source)
{
    ForgetShownIf(source);
    sources_.Remove(source);
}

ListPtr Manager::AddSource(const std::string& folder, const ScanProgress& progress)
{
    MP3Song reading;
    return sources_.AddSource(folder, reading, progress);
}

PlayList Manager::ScanSource(const std::string& folder, const ScanProgress& progress)
{
    MP3Song reading;
    return SourceManager::ScanSource(folder, reading, progress);
}

void Manager::ExportM3U(const std::string& path, ListPtr list, bool full) { playLists_.ExportM3U(path, list, full); }

std::vector<ListPtr> Manager::LoadSources(const std::string& folder)
{
    return AddLoadedSources(ReadSourceFiles(folder));
}

std::vector<ListPtr> Manager::LoadPlayLists(const std::string& folder)
{
    return AddLoadedPlayLists(ReadPlayListFiles(folder));
}

std::vector<PlayList> Manager::ReadSourceFiles(const std::string& folder)
{
    return ListSequence::ReadFolder(folder, SourceManager::Extension);
}

std::vector<PlayList> Manager::ReadPlayListFiles(const std::string& folder)
{
    return ListSequence::ReadFolder(folder, PlayListManager::Extension);
}

std::vector<ListPtr> Manager::AddLoadedSources(std::vector<PlayList> sources)
{
    return sources_.AddAll(std::move(sources));
}

// The loaded play lists are the state the first undo returns to.
std::vector<ListPtr> Manager::AddLoadedPlayLists(std::vector<PlayList> playLists)
{
    std::vector<ListPtr> loaded = playLists_.AddAll(std::move(playLists));
    history_.Push(playLists_);
    if (!loaded.empty())
        playLists_.SetCurrent(loaded.front());
    return loaded;
}

std::vector<ListPtr> Manager::SaveSources(const std::string& folder) { return sources_.Save(folder); }

std::vector<ListPtr> Manager::SavePlayLists(const std::string& folder) { return playLists_.Save(folder); }

std::vector<ListPtr> Manager::SaveRenamedPlayLists(const std::string& folder, const ListSequence::FileWorkRunner& run)
{
    return playLists_.SaveRenamed(folder, run);
}

void Manager::DeleteFileOf(ListPtr list)
{
    if (playLists_.IndexOf(list) < playLists_.Size())
        playLists_.DeleteFileOf(list);
    else
        sources_.DeleteFileOf(list);
}

} // namespace VT
