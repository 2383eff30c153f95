#include "catalogue/Exceptions.h"
#include "catalogue/M3UWrite.h"
#include "catalogue/PlayListManager.h"
#include "catalogue/RecordLine.h"
#include "platform/WholeFile.h"

namespace VT {

void WriteM3U(const std::string& path, const std::vector<Song>& songs, bool full, ExistingFile existing)
{
    std::string content;
    for (const Song& song : songs)
        AppendPlayerLine(content, full ? song.GetFullFileName() : song.GetFileName());
    const bool written = existing == ExistingFile::Replace ? Platform::ReplaceFile(path, content)
                                                           : Platform::WriteNewFile(path, content);
    if (!written)
        throw invalid_file();
}

void PlayListManager::ExportM3U(const std::string& path, ListPtr list, bool full)
{
    WriteM3U(path, list->songs, full);
}

} // namespace VT
