#pragma once

#include "catalogue/ListSequence.h"

#include <cstdint>
#include <functional>
#include <string>

namespace VT {

class MP3Song;

// Told the name of the folder entry about to be read, the songs added so far and the
// number of all entries; returns true to cancel the scan.
using ScanProgress = std::function<bool(std::string entry, std::int32_t added, std::int32_t total)>;

// The sources: one list of songs per scanned music folder, kept in ".vts" files.
class SourceManager : public ListSequence {
public:
    static constexpr std::string_view Extension = ".vts";

    SourceManager() : ListSequence(Extension) {}
    SourceManager(const SourceManager&) = delete;
    SourceManager& operator=(const SourceManager&) = delete;

    // Splits a folder path that ends in its separator into the folder above and the
    // folder's own name; the final character belongs to neither.
    static void SplitPath(const std::string& path, std::string& folder, std::string& name);

    // A copy of the first song, in source order and song order, whose file name is
    // `fileName` exactly; throws not_found.
    Song FindSong(const std::string& fileName);

    // Scans `folder` (ending in a separator) into a new source named after it and adds it.
    // Throws invalid_directory or cancel_opendir; then nothing is added.
    ListPtr AddSource(const std::string& folder, MP3Song& reading, const ScanProgress& progress);
    // The scan alone: it touches no manager, so it may run on a worker.
    static PlayList ScanSource(const std::string& folder, MP3Song& reading, const ScanProgress& progress);

    // Fills `list` with the MP3 files lying directly in `folder`.
    static void ScanFolder(PlayList& list, const std::string& folder, MP3Song& reading,
                           const ScanProgress& progress);
};

} // namespace VT
