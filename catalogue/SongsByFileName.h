#pragma once

#include "catalogue/Song.h"

#include <string_view>
#include <unordered_map>

namespace VT {

class SourceManager;

// The sources' songs by file name, for callers that look up many names while the sources
// stay as they are: one pass over every song, made at the first look-up, then each name
// costs the same however many songs there are.
class SongsByFileName {
public:
    explicit SongsByFileName(SourceManager& sources) : sources_(sources) {}

    // The first song, in source order and song order, whose file name is `fileName`
    // exactly; none when no source holds one. Valid while the sources stay unchanged.
    const Song* Find(std::string_view fileName);

private:
    void Index();

    SourceManager& sources_;
    bool indexed_ = false;
    // The names are views of the songs' own texts.
    std::unordered_map<std::string_view, const Song*> first_;
};

} // namespace VT
