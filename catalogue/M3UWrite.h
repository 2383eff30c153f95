#pragma once

#include "catalogue/Song.h"

#include <string>
#include <vector>

namespace VT {

// Writes the songs as an M3U file that players read: one line per song, full file names
// or file names alone, each ended by CR LF, nothing else. The file is replaced whole, so
// a failure keeps the old one; throws invalid_file then.
void WriteM3U(const std::string& path, const std::vector<Song>& songs, bool full);

} // namespace VT
