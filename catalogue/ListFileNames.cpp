#include "catalogue/ListFileNames.h"

#include "catalogue/Extension.h"
#include "catalogue/FoldCase.h"

#include "platform/Separator.h"

#include <cctype>
#include <unordered_set>

namespace VT {

namespace {

// Leaves room in a 255-byte file name for a " (n)" suffix, an extension and ".tmp".
constexpr std::size_t LongestStem = 200;

bool IsForbidden(unsigned char c)
{
    return c < 0x20 || c == 0x7F || std::string_view(R"(/\:*?"<>|)").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string CandidateStem(const std::string& stem, int number)
{
    return number == 1 ? stem : stem + " (" + std::to_string(number) + ")";
}

// True when `folded` is the folded stem itself or the stem with a " (n)" suffix, n >= 2.
bool IsCandidateOf(std::string_view folded, std::string_view foldedStem)
{
    if (folded == foldedStem)
        return true;
    if (folded.size() < foldedStem.size() + 4 || folded.substr(0, foldedStem.size()) != foldedStem)
        return false;
    std::string_view suffix = folded.substr(foldedStem.size());
    if (suffix.substr(0, 2) != " (" || suffix.back() != ')')
        return false;
    const std::string_view digits = suffix.substr(2, suffix.size() - 3);
    if (digits.empty() || digits.size() > 9 || digits.front() == '0')
        return false;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return std::stoi(std::string(digits)) >= 2;
}

// The file name of a previous path when it lies directly in the folder with the extension.
std::string_view PreviousFileName(const std::string& previousPath, const std::string& folder,
                                  std::string_view extension)
{
    if (previousPath.size() <= folder.size() || previousPath.compare(0, folder.size(), folder) != 0)
        return {};
    const std::string_view name = std::string_view(previousPath).substr(folder.size());
    for (char c : name) {
        if (Platform::IsSeparator(c))
            return {};
    }
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

std::vector<std::string> ChooseFileNames(const std::vector<ListFileClaim>& lists, const std::string& folder,
                                         std::string_view extension)
{
    std::vector<std::string> stems;
    stems.reserve(lists.size());
    for (const ListFileClaim& list : lists)
        stems.push_back(FileStemFor(list.name));

    std::vector<std::string> chosen(lists.size());
    std::unordered_set<std::string> taken; // folded stems
    // First the lists that can keep the file they came from.
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const std::string_view previous = PreviousFileName(lists[i].previousPath, folder, extension);
        if (previous.empty())
            continue;
        const std::string_view previousStem = previous.substr(0, previous.size() - extension.size());
        std::string folded = FoldCase(previousStem);
        if (IsCandidateOf(folded, FoldCase(stems[i])) && taken.insert(std::move(folded)).second)
            chosen[i] = previous;
    }
    // Then every other list takes the first free name in its run of candidates.
    for (std::size_t i = 0; i < lists.size(); ++i) {
        if (!chosen[i].empty())
            continue;
        for (int number = 1;; ++number) {
            const std::string candidate = CandidateStem(stems[i], number);
            if (taken.insert(FoldCase(candidate)).second) {
                chosen[i] = candidate + std::string(extension);
                break;
            }
        }
    }
    return chosen;
}

} // namespace VT
