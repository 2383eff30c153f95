#include "catalogue/SongsByFileName.h"

#include "catalogue/SourceManager.h"

namespace VT {

const Song* SongsByFileName::Find(std::string_view fileName)
{
    if (!indexed_)
        Index();
    const auto found = first_.find(fileName);
    return found == first_.end() ? nullptr : found->second;
}

void SongsByFileName::Index()
{
    std::size_t songs = 0;
    for (ListPtr source = sources_.Begin(); source != sources_.End(); ++source)
        songs += source->songs.size();
    first_.reserve(songs);
    for (ListPtr source = sources_.Begin(); source != sources_.End(); ++source) {
        // A name seen before keeps its earlier song.
        for (const Song& song : source->songs)
            first_.try_emplace(song.GetFileName(), &song);
    }
    indexed_ = true;
}

} // namespace VT
