#include "catalogue/Exceptions.h"
#include "catalogue/M3UWrite.h"
#include "catalogue/PlayListManager.h"
#include "catalogue/RecordLine.h"
#include "platform/WholeFile.h"

namespace VT {

void WriteM3U(const std::string& path, const std::vector<Song>& songs, bool full)
{
    std::string content;
    for (const Song& song : songs)
        AppendPlayerLine(content, full ? song.GetFullFileName() : song.GetFileName());
    // Written whole beside the target and renamed over it, so a failure keeps the old file.
    if (!Platform::ReplaceFile(path, content))
        throw invalid_file();
}

void PlayListManager::ExportM3U(const std::string& path, ListPtr list, bool full)
{
    WriteM3U(path, list->songs, full);
}

} // namespace VT
