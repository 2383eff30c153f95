#pragma once

#include "catalogue/ListPtr.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace VT {

struct ListFileClaim;

// What the source manager and the play-list manager have in common: an ordered,
// linked run of lists handed out as ListPtr handles, and their files in one folder.
class ListSequence {
public:
    // Appends the list and returns its handle; other handles stay valid.
    ListPtr Add(PlayList list);
    // Frees the list of the handle; every other handle stays valid.
    void Remove(ListPtr list);

    void SetCurrent(ListPtr list) { current_ = list; }
    ListPtr GetCurrent() const { return current_; }

    ListPtr Begin() { return {&lists_, lists_.begin()}; }
    ListPtr End() { return {&lists_, lists_.end()}; }
    std::vector<ListPtr> All();
    std::size_t Size() const { return lists_.size(); }
    // The position of a handle's list, or Size() when the handle is on none of these lists.
    std::size_t IndexOf(ListPtr list) const;

    // Reads every list file of the folder (its name ending in the extension, in small or
    // capital letters) and returns the handles added, in the byte order of the files' names
    // (the same in every run, whatever the file system lists first). A file that cannot
    // be read or whose header is damaged is passed over and left as it is on disk.
    // Throws invalid_directory when the folder cannot be listed.
    std::vector<ListPtr> Load(const std::string& folder);

    // Load in two halves, so that the slow reading can run where the lists are not yet
    // reachable: ReadFolder touches no sequence, AddAll appends what it read.
    static std::vector<PlayList> ReadFolder(const std::string& folder, std::string_view extension);
    std::vector<ListPtr> AddAll(std::vector<PlayList> lists);

    // Runs work that touches the file system and no list of the sequence, and returns once
    // it has ended: here, or on a worker while the caller goes on answering.
    using FileWorkRunner = std::function<void(const std::function<void()>& work)>;
    static void RunHere(const std::function<void()>& work) { work(); }

    // Writes every list into the folder, each into a file of its own named after it, and
    // then removes the files that lists written elsewhere came from. A list whose file
    // already holds it, unchanged on both sides since it was read or written, is left as
    // it is, and so is one that was not read whole and has not changed since. A list whose
    // file cannot be written keeps its old file; the handles of such lists are returned,
    // and nothing is thrown. A list that is to have a file of another name has its old file
    // moved there first, and then replaced, so that at every moment it is in one file. The
    // file that a list gone since (by an undo or redo) was written to is removed.
    std::vector<ListPtr> Save(const std::string& folder, const FileWorkRunner& run = RunHere);
    // The same, at once, for the lists whose files no longer match them: a list renamed,
    // or brought back by an undo or redo. Lists whose file is named after them, and lists
    // that never had one, are left as they are.
    std::vector<ListPtr> SaveRenamed(const std::string& folder, const FileWorkRunner& run = RunHere);
    // Removes the file that holds the list, unless another list came from it too.
    void DeleteFileOf(ListPtr list);
    // The file name (stem and extension) that a save into the folder now would give each
    // list, in order.
    std::vector<std::string> FileNamesAtSave(const std::string& folder) const;

protected:
    explicit ListSequence(std::string_view extension) : extension_(extension) {}
    // A copy shares each list until one side changes it.
    ListSequence(const ListSequence& other);
    // Keeps this sequence's list nodes by position, so a handle to the k-th list stays
    // valid whenever the other sequence holds more than k lists.
    ListSequence& operator=(const ListSequence& other);
    ~ListSequence() = default;

private:
    ListPtr Handle(ListNodes::iterator at) { return {&lists_, at}; }
    enum class Lists { All, Renamed };
    struct SavePlan;
    std::vector<ListPtr> WriteFiles(const std::string& folder, Lists which, const FileWorkRunner& run);
    SavePlan Plan(const std::string& folder, Lists which);
    void PlanJobs(SavePlan& plan, Lists which, const std::unordered_set<std::string>& present);
    void PlanRemovals(SavePlan& plan) const;
    // The file work of a plan: it touches no list of the sequence, only their copies in the plan.
    static void Carry(SavePlan& plan, std::string_view extension);
    std::vector<ListPtr> Finish(SavePlan& plan);
    // The path of the file that holds the list, as this sequence last knew it; empty for none.
    std::string FileOf(const PlayList& list) const;
    // Every list's name and the file it holds, in order, as a save chooses files from.
    std::vector<ListFileClaim> Claims() const;
    // True when no list can have left its file since the last save into the folder that
    // left every list where it belongs: each list at each position still has the serial,
    // name and file it had then, a list added since has no file yet, and a list gone since
    // leaves no file behind. An undo of an edit among many lists is then checked without
    // planning a file for every one of them.
    bool Settled(const std::string& folder) const;
    void NoteSettled(const std::string& folder);

    ListNodes lists_;
    // By serial, the file each list was last written or moved to, or none once it was
    // removed: an undo state's version of a list names the file the list had back then.
    std::unordered_map<std::uint64_t, std::string> files_;
    // What Settled compares with, by position; kept by this sequence alone, not by copies.
    struct SettledList {
        std::uint64_t serial;
        std::string name;
        std::string filePath;
    };
    std::vector<SettledList> settled_;
    std::string settledFolder_;
    ListPtr current_;
    std::string_view extension_; // in small letters, e.g. ".vtl"
};

} // namespace VT
