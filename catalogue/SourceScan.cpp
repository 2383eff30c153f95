#include "catalogue/Exceptions.h"
#include "catalogue/Extension.h"
#include "catalogue/MP3Song.h"
#include "catalogue/SourceManager.h"
#include "platform/FolderListing.h"

namespace VT {

namespace {

struct Progress {
    const ScanProgress& report;
    const std::string& entry;
    std::int32_t added;
    std::int32_t total;

    void Tell() const
    {
        if (report && report(entry, added, total))
            throw cancel_opendir();
    }
};

// Reads one folder entry into `reading`; false when it does not become a song.
bool ReadEntry(std::string path, MP3Song& reading, const Progress& progress)
{
    try {
        reading.ReadTag(std::move(path));
        return true;
    } catch (const invalid_file&) {
        return false; // not an MP3 name, or not a readable regular file (sub-folders land here)
    } catch (const bad_tag&) {
        return false;
    } catch (const no_tag&) {
        if (reading.GetFileName().size() <= ExtensionLength)
            return false;
        progress.Tell();
        return reading.TitleFromFileName();
    }
}

} // namespace

PlayList SourceManager::ScanSource(const std::string& folder, MP3Song& reading, const ScanProgress& progress)
{
    std::string above;
    std::string name;
    SplitPath(folder, above, name);
    PlayList source;
    source.SetName(std::move(name));
    ScanFolder(source, folder, reading, progress);
    return source;
}

ListPtr SourceManager::AddSource(const std::string& folder, MP3Song& reading, const ScanProgress& progress)
{
    return Add(ScanSource(folder, reading, progress));
}

void SourceManager::ScanFolder(PlayList& list, const std::string& folder, MP3Song& reading,
                               const ScanProgress& progress)
{
    // One listing serves both the total and the reading, so the total always matches the
    // entries reported even when the folder changes during the scan.
    const auto entries = Platform::ListFolder(folder);
    if (!entries)
        throw invalid_directory();
    const auto total = static_cast<std::int32_t>(entries->size());
    std::int32_t added = 0;
    // Room for every entry up front, and what is left over given back after: a list of a
    // large folder grown step by step moves its songs again and again into fresh memory.
    list.songs.reserve(list.songs.size() + entries->size());
    for (const std::string& entry : *entries) {
        reading.Clear();
        const Progress step{progress, entry, added, total};
        step.Tell();
        if (ReadEntry(folder + entry, reading, step)) {
            list.songs.push_back(reading);
            ++added;
        }
    }
    list.songs.shrink_to_fit();
    list.SetFile({});
}

} // namespace VT
