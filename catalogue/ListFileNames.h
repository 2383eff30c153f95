#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace VT {

// The stem of a list file made from a list's name: characters that a file name cannot
// hold, or that would lead out of the folder, become "_", and a very long name is cut.
// The exact name is kept inside the file.
std::string FileStemFor(std::string_view listName);

// One list as the folder save sees it: its name and the file it last had.
struct ListFileClaim {
    std::string name;
    std::string previousPath;
};

// Chooses a distinct file name (stem and extension) in `folder` for every list, in order,
// given the names of the folder's entries now. A list keeps its previous file when that
// file lies in the folder and carries the list's stem, letter case aside and with or
// without a " (n)" counter, so a list read from "Mix.VTL" is written back there. Every
// other list takes the first of "stem", "stem (2)", "stem (3)" ... at which no entry
// stands and which no other list takes, letter case ignored: a save never writes over a
// file that the load passed over, nor over one that still holds another list.
std::vector<std::string> ChooseFileNames(const std::vector<ListFileClaim>& lists, const std::vector<std::string>& entries,
                                         const std::string& folder, std::string_view extension);

// The paths of the previous files that the save made stale: those of lists that were all
// written safely to another file, leaving out every file that a list was written to.
// Removing them keeps each list to one file, so the next load reads it once.
std::vector<std::string> StaleFiles(const std::vector<ListFileClaim>& lists, const std::vector<std::string>& chosen,
                                    const std::vector<bool>& written, const std::string& folder,
                                    std::string_view extension);

} // namespace VT
