#include "catalogue/ListFileNames.h"

#include "catalogue/Extension.h"
#include "catalogue/FoldCase.h"

#include "platform/FolderListing.h"
#include "platform/Separator.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace VT {

namespace {

// Leaves room in a 255-byte file name for a " (n)" counter of nine digits and an extension.
constexpr std::size_t LongestStem = 200;
constexpr std::size_t LongestCounter = 9;

bool IsForbidden(unsigned char c)
{
    return c < 0x20 || c == 0x7F || std::string_view(R"(/\:*?"<>|)").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string CandidateStem(const std::string& stem, int number)
{
    return number == 1 ? stem : stem + " (" + std::to_string(number) + ")";
}

// A counter as CandidateStem writes it: 2 or more, without leading zeros.
bool IsCounter(std::string_view digits)
{
    return !digits.empty() && digits.size() <= LongestCounter && digits.front() != '0'
           && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })
           && digits != "1";
}

// True when `folded` is the folded stem itself or the stem with a " (n)" counter.
bool IsCandidateOf(std::string_view folded, std::string_view foldedStem)
{
    if (folded == foldedStem)
        return true;
    if (!folded.starts_with(foldedStem))
        return false;
    const std::string_view counter = folded.substr(foldedStem.size());
    return counter.starts_with(" (") && counter.ends_with(')') && IsCounter(counter.substr(2, counter.size() - 3));
}

// True when the file's name is the stem, letter case aside, with or without a counter.
bool CarriesStem(std::string_view fileName, std::string_view extension, std::string_view stem)
{
    return IsCandidateOf(FoldCase(fileName.substr(0, fileName.size() - extension.size())), FoldCase(stem));
}

// The file name of a previous path when it lies directly in the folder with the extension.
std::string_view PreviousFileName(const std::string& previousPath, const std::string& folder,
                                  std::string_view extension)
{
    if (previousPath.size() <= folder.size() || previousPath.compare(0, folder.size(), folder) != 0)
        return {};
    const std::string_view name = std::string_view(previousPath).substr(folder.size());
    if (std::any_of(name.begin(), name.end(), Platform::IsSeparator))
        return {};
    return HasExtension(name, extension) ? name : std::string_view();
}

} // namespace

std::string FileStemFor(std::string_view listName)
{
    std::string stem(listName.substr(0, LongestStem));
    for (char& c : stem) {
        if (IsForbidden(static_cast<unsigned char>(c)))
            c = '_';
    }
    if (stem == "." || stem == "..")
        stem.assign(stem.size(), '_');
    return stem;
}

std::vector<std::string> ChooseFileNames(const std::vector<ListFileClaim>& lists, const std::vector<std::string>& entries,
                                         const std::string& folder, std::string_view extension)
{
    const std::unordered_set<std::string> present(entries.begin(), entries.end());
    std::unordered_set<std::string> taken; // folded names at which no list may start a file
    for (const std::string& entry : entries)
        taken.insert(FoldCase(entry));
    std::unordered_set<std::string> kept;
    std::vector<std::string> stems;
    stems.reserve(lists.size());
    for (const ListFileClaim& list : lists)
        stems.push_back(FileStemFor(list.name));

    std::vector<std::string> chosen(lists.size());
    // First the lists that can keep the file they came from: the very file, when it is
    // still there and no list took it before, or the name, when nothing stands there.
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const std::string previous(PreviousFileName(lists[i].previousPath, folder, extension));
        if (previous.empty() || !CarriesStem(previous, extension, stems[i]))
            continue;
        const bool free = present.contains(previous) ? !kept.contains(previous) : taken.insert(FoldCase(previous)).second;
        if (free) {
            kept.insert(previous);
            chosen[i] = previous;
        }
    }
    // Then every other list takes the first free name in its run of candidates.
    for (std::size_t i = 0; i < lists.size(); ++i) {
        for (int number = 1; chosen[i].empty(); ++number) {
            std::string candidate = CandidateStem(stems[i], number) + std::string(extension);
            if (taken.insert(FoldCase(candidate)).second)
                chosen[i] = std::move(candidate);
        }
    }
    return chosen;
}

std::vector<std::string> StaleFiles(const std::vector<ListFileClaim>& lists, const std::vector<std::string>& chosen,
                                    const std::vector<bool>& written, const std::string& folder,
                                    std::string_view extension)
{
    // A previous file is stale only when every list that came from it is written.
    std::unordered_map<std::string, bool> previousFiles;
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const std::string_view previous = PreviousFileName(lists[i].previousPath, folder, extension);
        if (!previous.empty())
            previousFiles.try_emplace(std::string(previous), true).first->second &= written[i];
    }
    std::unordered_multimap<std::string, const std::string*> chosenByFold;
    for (const std::string& name : chosen)
        chosenByFold.emplace(FoldCase(name), &name);

    std::vector<std::string> stale;
    for (const auto& [file, allWritten] : previousFiles) {
        const std::string& previous = file; // a lambda may not capture a structured binding in every compiler
        // On a file system that ignores letter case, another spelling is the same file.
        const auto [first, last] = chosenByFold.equal_range(FoldCase(previous));
        const bool writtenTo = std::any_of(first, last, [&](const auto& entry) {
            return *entry.second == previous || Platform::IsSameFile(folder + previous, folder + *entry.second);
        });
        if (allWritten && !writtenTo)
            stale.push_back(folder + previous);
    }
    return stale;
}

} // namespace VT
