#include "catalogue/Exceptions.h"
#include "catalogue/Extension.h"
#include "catalogue/ListFileNames.h"
#include "catalogue/ListSequence.h"
#include "platform/FolderListing.h"
#include "platform/TextLines.h"
#include "platform/WholeFile.h"

#include <algorithm>
#include <optional>

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

std::vector<ListPtr> ListSequence::Save(const std::string& folder)
{
    std::vector<ListFileClaim> claims;
    claims.reserve(lists_.size());
    for (const ListNode& node : lists_)
        claims.push_back({node.list->GetName(), node.list->GetFilePath()});
    const std::vector<std::string> fileNames =
        ChooseFileNames(claims, Platform::ListFolder(folder).value_or(std::vector<std::string>()), folder, extension_);

    std::vector<ListPtr> failed;
    std::vector<bool> written(lists_.size());
    std::size_t index = 0;
    for (auto at = lists_.begin(); at != lists_.end(); ++at, ++index) {
        const std::string path = folder + fileNames[index];
        const PlayList& list = *at->list;
        if (list.GetFilePath() == path && list.FileIsCurrent()) {
            written[index] = true;
            continue;
        }
        written[index] = Platform::ReplaceFile(path, [&list](Platform::LineWriter& output) { list.Write(output); });
        if (!written[index]) {
            failed.push_back(Handle(at));
            continue;
        }
        // Only a changed record unshares a list that an undo state holds too.
        if (list.GetFilePath() != path)
            Handle(at).Edit().SetFile(path);
        // What the file holds is the list's content, which every holder of it shares.
        at->list->NoteFileWritten();
    }
    for (const std::string& stale : StaleFiles(claims, fileNames, written, folder, extension_))
        Platform::DeleteFile(stale);
    return failed;
}

} // namespace VT
