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

// Chooses a distinct file name (stem and extension) in `folder` for every list, in order.
// A list keeps its previous file when that file lies in the folder and carries the list's
// stem (letter case aside), so a list read from "Mix.VTL" is written back there. Stems
// that collide when letter case is ignored get " (2)", " (3)" and so on.
std::vector<std::string> ChooseFileNames(const std::vector<ListFileClaim>& lists, const std::string& folder,
                                         std::string_view extension);


} // namespace VT
