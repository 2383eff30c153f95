#include "catalogue/PlayListManager.h"
#include "catalogue/SourceManager.h"
#include "platform/Separator.h"

namespace VT {

void SourceManager::SplitPath(const std::string& path, std::string& folder, std::string& name)
{
    // The final character is the folder's closing separator and is never searched.
    const std::size_t at = path.size() < 2 ? std::string::npos : Platform::LastSeparator(path, 0, path.size() - 1);
    if (at == std::string::npos) {
        folder.clear();
        name = path;
        return;
    }
    folder = path.substr(0, at);
    name = path.substr(at + 1, path.size() - 1 - (at + 1));
}

void PlayListManager::SplitPath(const std::string& path, std::string& folder, std::string& name)
{
    const std::size_t at = Platform::LastSeparator(path, 0, path.size());
    if (at == std::string::npos) {
        folder.clear();
        name = path;
        return;
    }
    folder = path.substr(0, at);
    name = path.substr(at + 1);
}

} // namespace VT
