#pragma once

#include "catalogue/Song.h"

#include <string>
#include <vector>

namespace VT {

// Whether the file may take the place of one that stands at its path.
enum class ExistingFile { Replace, Keep };

// Writes the songs as an M3U file that players read: one line per song, full file names
// or file names alone, each ended by CR LF, nothing else. A replaced file is replaced
// whole, so a failure keeps the old one; with ExistingFile::Keep a file that stands
// there is not touched and the write fails. Throws invalid_file on any failure.
void WriteM3U(const std::string& path, const std::vector<Song>& songs, bool full,
              ExistingFile existing = ExistingFile::Replace);

} // namespace VT
