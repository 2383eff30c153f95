#include "catalogue/Exceptions.h"
#include "catalogue/PlayListManager.h"
#include "catalogue/RecordLine.h"
#include "platform/WholeFile.h"

namespace VT {

void PlayListManager::ExportM3U(const std::string& path, ListPtr list, bool full)
{
    std::string content;
    for (const Song& song : list->songs)
        AppendPlayerLine(content, full ? song.GetFullFileName() : song.GetFileName());
    // Written whole beside the target and renamed over it, so a failure keeps the old file.
    if (!Platform::ReplaceFile(path, content))
        throw invalid_file();
}

} // namespace VT
