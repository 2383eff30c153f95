#include "catalogue/Exceptions.h"
#include "catalogue/Extension.h"
#include "catalogue/ListFileNames.h"
#include "catalogue/ListSequence.h"
#include "platform/FolderListing.h"
#include "platform/TextLines.h"
#include "platform/WholeFile.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace VT {

namespace {

// The list of one file, or nothing when the file cannot be read or its header is damaged.
std::optional<PlayList> ReadListFile(const std::string& path)
{
    Platform::LineReader input;
    if (!input.OpenFile(path))
        return std::nullopt;
    PlayList list;
    try {
        list.Read(input, path);
    } catch (const invalid_file&) {
        return std::nullopt;
    } catch (const bad_playlist&) {
        return std::nullopt;
    }
    if (input.Failed())
        return std::nullopt;
    return list;
}

} // namespace

std::vector<PlayList> ListSequence::ReadFolder(const std::string& folder, std::string_view extension)
{
    auto names = Platform::ListFolder(folder);
    if (!names)
        throw invalid_directory();
    // The listing's own order changes from one file system, and one run, to the next,
    // while "options.opt" finds the shown list again by its row: the byte order of the
    // names (strings compare as unsigned bytes) gives every run the same rows.
    std::ranges::sort(*names);
    std::vector<PlayList> lists;
    for (const std::string& name : *names) {
        if (!HasExtension(name, extension))
            continue;
        if (std::optional<PlayList> list = ReadListFile(folder + name))
            lists.push_back(std::move(*list));
    }
    return lists;
}

std::vector<ListPtr> ListSequence::AddAll(std::vector<PlayList> lists)
{
    std::vector<ListPtr> added;
    added.reserve(lists.size());
    for (PlayList& list : lists)
        added.push_back(Add(std::move(list)));
    return added;
}

std::vector<ListPtr> ListSequence::Load(const std::string& folder) { return AddAll(ReadFolder(folder, extension_)); }

std::string ListSequence::FileOf(const PlayList& list) const
{
    const auto known = files_.find(list.Serial());
    return known != files_.end() ? known->second : list.GetFilePath();
}

std::vector<ListFileClaim> ListSequence::Claims() const
{
    std::vector<ListFileClaim> claims;
    claims.reserve(lists_.size());
    for (const ListNode& node : lists_)
        claims.push_back({node.list->GetName(), FileOf(*node.list)});
    return claims;
}

std::vector<std::string> ListSequence::FileNamesAtSave(const std::string& folder) const
{
    return ChooseFileNames(Claims(), Platform::ListFolder(folder).value_or(std::vector<std::string>()), folder,
                           extension_);
}

std::vector<ListPtr> ListSequence::Save(const std::string& folder, const FileWorkRunner& run)
{
    return WriteFiles(folder, Lists::All, run);
}

std::vector<ListPtr> ListSequence::SaveRenamed(const std::string& folder, const FileWorkRunner& run)
{
    return WriteFiles(folder, Lists::Renamed, run);
}

void ListSequence::DeleteFileOf(ListPtr list)
{
    const std::string path = FileOf(*list);
    files_[list->Serial()].clear();
    settled_.clear();
    if (path.empty())
        return;
    for (const ListNode& node : lists_) {
        if (node.list != list.node().list && FileOf(*node.list) == path)
            return;
    }
    Platform::DeleteFile(path);
}

namespace {

// One list file to write: the list as it stands when the save begins, where it goes, and
// the file it is moved from first, if any.
struct FileJob {
    std::size_t index;
    ListPtr handle;
    std::shared_ptr<const PlayList> list;
    std::string from;
    std::string to;
    bool moved = false;
    bool written = false;
};

void RunJob(FileJob& job)
{
    if (!job.from.empty()) {
        job.moved = Platform::MoveFile(job.from, job.to);
        if (!job.moved)
            return;
    }
    const PlayList& list = *job.list;
    job.written = Platform::ReplaceFile(job.to, [&list](Platform::LineWriter& output) { list.Write(output); });
}

} // namespace

// What one save does, worked out where the lists live.
struct ListSequence::SavePlan {
    std::string folder;
    std::vector<ListFileClaim> claims;
    std::unordered_map<std::string, int> claimsOfFile;
    std::vector<std::string> fileNames;
    std::vector<FileJob> jobs;
    std::vector<bool> written; // by list: its file holds it once the save is done
    bool filesLeft = false; // some list leaves the file it came from
    std::vector<std::uint64_t> gone; // lists that are gone, whose files go too
    std::vector<std::string> goneFiles;
};

// Planned and finished here; only the file work in between may run elsewhere, and it
// reads nothing but the plan and the lists as they stood when it was planned.
std::vector<ListPtr> ListSequence::WriteFiles(const std::string& folder, Lists which, const FileWorkRunner& run)
{
    if (which == Lists::Renamed && Settled(folder))
        return {};
    SavePlan plan = Plan(folder, which);
    // Most undo steps leave every file as it is: no worker for them.
    if (!plan.jobs.empty() || !plan.goneFiles.empty() || plan.filesLeft)
        run([&plan, this] { Carry(plan, extension_); });
    std::vector<ListPtr> failed = Finish(plan);
    if (failed.empty())
        NoteSettled(folder);
    else
        settled_.clear();
    return failed;
}

bool ListSequence::Settled(const std::string& folder) const
{
    if (settled_.empty() || folder != settledFolder_)
        return false;
    std::size_t index = 0;
    for (auto at = lists_.begin(); at != lists_.end(); ++at, ++index) {
        const PlayList& list = *at->list;
        if (index >= settled_.size()) {
            if (files_.contains(list.Serial()) || !list.GetFilePath().empty())
                return false;
            continue;
        }
        const SettledList& then = settled_[index];
        if (list.Serial() != then.serial || list.GetName() != then.name || list.GetFilePath() != then.filePath)
            return false;
    }
    for (; index < settled_.size(); ++index) {
        const auto file = files_.find(settled_[index].serial);
        if (file != files_.end() && !file->second.empty())
            return false;
    }
    return true;
}

void ListSequence::NoteSettled(const std::string& folder)
{
    settledFolder_ = folder;
    settled_.clear();
    for (const ListNode& node : lists_)
        settled_.push_back({node.list->Serial(), node.list->GetName(), node.list->GetFilePath()});
}

ListSequence::SavePlan ListSequence::Plan(const std::string& folder, Lists which)
{
    SavePlan plan;
    plan.folder = folder;
    plan.claims = Claims();
    for (const ListFileClaim& claim : plan.claims)
        ++plan.claimsOfFile[claim.previousPath];
    const std::vector<std::string> entries = Platform::ListFolder(folder).value_or(std::vector<std::string>());
    plan.fileNames = ChooseFileNames(plan.claims, entries, folder, extension_);
    PlanJobs(plan, which, std::unordered_set<std::string>(entries.begin(), entries.end()));
    PlanRemovals(plan);
    return plan;
}

void ListSequence::PlanJobs(SavePlan& plan, Lists which, const std::unordered_set<std::string>& present)
{
    // A file that every list from it leaves can go with its list, moved rather than left.
    const std::vector<std::string> left =
        StaleFiles(plan.claims, plan.fileNames, std::vector<bool>(lists_.size(), true), plan.folder, extension_);
    const std::unordered_set<std::string> movable(left.begin(), left.end());
    plan.filesLeft = !left.empty();
    plan.written.assign(lists_.size(), true);
    std::size_t index = 0;
    for (auto at = lists_.begin(); at != lists_.end(); ++at, ++index) {
        const std::string& previous = plan.claims[index].previousPath;
        const std::string path = plan.folder + plan.fileNames[index];
        const PlayList& list = *at->list;
        const bool named = previous == path && present.contains(plan.fileNames[index]);
        const bool unchanged = list.GetFilePath() == path && list.FileIsCurrent();
        // A list that never had a file loses nothing by waiting for the close.
        const bool hadFile = !previous.empty() || files_.contains(list.Serial());
        const bool waits = which == Lists::Renamed && (named || !hadFile);
        if (unchanged || waits || (named && !list.ReadWhole()))
            continue;
        const bool moves = movable.contains(previous) && plan.claimsOfFile.at(previous) == 1;
        plan.jobs.push_back({index, Handle(at), at->list, moves ? previous : std::string(), path});
    }
}

// The files of lists that are gone, unless a list still comes from one or goes to it.
void ListSequence::PlanRemovals(SavePlan& plan) const
{
    std::unordered_set<std::uint64_t> serials;
    for (const ListNode& node : lists_)
        serials.insert(node.list->Serial());
    std::unordered_set<std::string> chosen;
    for (const std::string& name : plan.fileNames)
        chosen.insert(plan.folder + name);
    for (const auto& [serial, file] : files_) {
        if (file.empty() || serials.contains(serial) || plan.claimsOfFile.contains(file) || chosen.contains(file))
            continue;
        plan.gone.push_back(serial);
        plan.goneFiles.push_back(file);
    }
}

void ListSequence::Carry(SavePlan& plan, std::string_view extension)
{
    for (const std::string& file : plan.goneFiles)
        Platform::DeleteFile(file);
    for (FileJob& job : plan.jobs) {
        RunJob(job);
        plan.written[job.index] = job.written;
    }
    const auto movedFrom = [&plan](const std::string& file) {
        return std::any_of(plan.jobs.begin(), plan.jobs.end(), [&](const FileJob& job) { return job.moved && job.from == file; });
    };
    for (const std::string& stale : StaleFiles(plan.claims, plan.fileNames, plan.written, plan.folder, extension)) {
        if (!movedFrom(stale))
            Platform::DeleteFile(stale);
    }
}

std::vector<ListPtr> ListSequence::Finish(SavePlan& plan)
{
    std::vector<ListPtr> failed;
    for (FileJob& job : plan.jobs) {
        if (job.moved || job.written)
            files_[job.list->Serial()] = job.to;
        job.list.reset(); // no longer shared with the work, so an edit below copies nothing
        if (!job.written) {
            failed.push_back(job.handle);
            continue;
        }
        // Only a changed record unshares a list that an undo state holds too.
        if (job.handle->GetFilePath() != job.to)
            job.handle.Edit().SetFile(job.to);
        // What the file holds is the list's content, which every holder of it shares.
        job.handle.node().list->NoteFileWritten();
    }
    for (const std::uint64_t serial : plan.gone)
        files_[serial].clear();
    return failed;
}
} // namespace VT
