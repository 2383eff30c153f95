#pragma once

#include <string>

namespace Platform {
class FolderLock;
}

// The help file, which the build puts beside the program.
inline constexpr const char* HelpFileName = "vesktunelo.hlp";

// Whether this copy of the program may work on the folder whose `lock` it took. A second
// copy would write its old lists over the first one's at close, so when another holds the
// folder, the program's message box says so and the copy is to end before it reads or
// writes any file. The copy that holds it first removes what killed saves left there.
bool TakeProgramFolder(const Platform::FolderLock& lock, const std::string& folder);
