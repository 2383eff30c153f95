#include "catalogue/PlayListManager.h"
#include "catalogue/SourceManager.h"
#include "platform/Separator.h"

namespace VT {

namespace {

// The position of the last separator among the first `searched` characters, or npos.
std::size_t LastSeparator(const std::string& path, std::size_t searched)
{
    for (std::size_t i = searched; i-- > 0;) {
        if (Platform::IsSeparator(path[i]))
            return i;
    }
    return std::string::npos;
}

} // namespace

void SourceManager::SplitPath(const std::string& path, std::string& folder, std::string& name)
{
    // The final character is the folder's closing separator and is never searched.
    const std::size_t at = path.size() < 2 ? std::string::npos : LastSeparator(path, path.size() - 1);
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
    const std::size_t at = LastSeparator(path, path.size());
    if (at == std::string::npos) {
        folder.clear();
        name = path;
        return;
    }
    folder = path.substr(0, at);
    name = path.substr(at + 1);
}

} // namespace VT
