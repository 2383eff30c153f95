#pragma once

#include "catalogue/PlayListManager.h"
#include "catalogue/SourceManager.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace VT {

// The one model object of the program: sources, play lists, the undo history of the
// play lists, and which list the main window shows.
class Manager {
public:
    enum Mode : std::uint8_t { SourceShown = 0, PlayListShown = 1, NothingShown = 2 };

    // Whole states of the play lists, the present one and up to 50 before it. States share
    // every list they have in common, so a state costs only the lists an edit touched.
    class UndoRedoBuffer {
    public:
        static constexpr int EarlierStates = 50;

        void Push(const PlayListManager& state);
        const PlayListManager* Undo();
        const PlayListManager* Redo();
        std::size_t Size() const { return states_.size(); }
        int Position() const { return position_; }

    private:
        std::vector<PlayListManager> states_;
        int position_ = 0;
    };

    Manager() = default;
    Manager(const Manager&) = delete;
    Manager& operator=(const Manager&) = delete;

    std::uint8_t GetMode() const { return mode_; }
    void SelectSource(ListPtr source);
    void SelectPlayList(ListPtr playList);
    void SelectNone();
    // The shown list; refers to no list while nothing is shown.
    ListPtr GetSelected() const;
    std::vector<ListPtr> GetPlayLists() { return playLists_.All(); }
    std::vector<ListPtr> GetSources() { return sources_.All(); }

    // Play-list edits; each becomes one undo step.
    ListPtr AddPlayList(PlayList list);
    void RemovePlayList(ListPtr list);
    void AddSongs(std::vector<Song> songs, ListPtr list);
    void InsertSongs(const std::vector<Song>& songs, ListPtr list, const Song& before);
    void MoveSongs(const std::vector<Song>& songs, ListPtr list, const Song& before);
    void RemoveSongs(const std::vector<Song>& songs, ListPtr list);
    // Removes exactly the entries at these positions, never an equal song elsewhere.
    void RemoveSongsAt(const std::vector<std::size_t>& positions, ListPtr list);
    // Moves exactly the entries at these positions before the entry at `before`, or to
    // the end when that entry is one of them or past the list (PlayList::MoveAt).
    void MoveSongsAt(const std::vector<std::size_t>& positions, ListPtr list, std::size_t before);
    // The rule that turns the name an imported file gives into the name the list is
    // stored under. It runs inside the import's undo step, so no state of the history
    // ever holds the name the rule replaced. Without one the file's name stands.
    using NameRule = std::function<std::string(const std::string& name)>;
    ListPtr ImportM3U(const std::string& path, const std::string& folder, MP3Song& reading, int& lineCount,
                      const NameRule& uniqueName = {});

    void Undo();
    void Redo();

    void RemoveSource(ListPtr source);
    ListPtr AddSource(const std::string& folder, const ScanProgress& progress = {});
    // The reading half of AddSource, for a worker; AddLoadedSources adds what it made.
    static PlayList ScanSource(const std::string& folder, const ScanProgress& progress);
    void ExportM3U(const std::string& path, ListPtr list, bool full);

    std::vector<ListPtr> LoadSources(const std::string& folder);
    std::vector<ListPtr> LoadPlayLists(const std::string& folder);
    // The same loads in two halves: the reading touches nothing of the model and may run
    // on a worker; the adding (and, for play lists, the undo base) runs where the model lives.
    static std::vector<PlayList> ReadSourceFiles(const std::string& folder);
    static std::vector<PlayList> ReadPlayListFiles(const std::string& folder);
    std::vector<ListPtr> AddLoadedSources(std::vector<PlayList> sources);
    std::vector<ListPtr> AddLoadedPlayLists(std::vector<PlayList> playLists);
    // Both return the lists whose files could not be written; nothing is thrown.
    std::vector<ListPtr> SaveSources(const std::string& folder);
    std::vector<ListPtr> SavePlayLists(const std::string& folder);
    // Writes at once the play lists whose files no longer match them, after a rename, an
    // undo or a redo, and removes the files of play lists that are gone (ListSequence::SaveRenamed).
    std::vector<ListPtr> SaveRenamedPlayLists(const std::string& folder,
                                              const ListSequence::FileWorkRunner& run = ListSequence::RunHere);
    // Removes the file of a source or play list that is about to be removed.
    void DeleteFileOf(ListPtr list);
    // The file names that SaveSources and SavePlayLists would give the lists now, in order.
    std::vector<std::string> SourceFileNamesAtSave(const std::string& folder) const
    {
        return sources_.FileNamesAtSave(folder);
    }
    std::vector<std::string> PlayListFileNamesAtSave(const std::string& folder) const
    {
        return playLists_.FileNamesAtSave(folder);
    }

    // The undo bracket around every play-list edit.
    void EnsureUndoBase();
    void SaveUndo();

    const UndoRedoBuffer& History() const { return history_; }

private:
    template <typename Edit> auto Bracket(Edit edit);
    void Restore(const PlayListManager* state);
    void ForgetShownIf(ListPtr list);

    PlayListManager playLists_;
    SourceManager sources_;
    UndoRedoBuffer history_;
    ListPtr shown_;
    std::uint8_t mode_ = NothingShown;
};

} // namespace VT
