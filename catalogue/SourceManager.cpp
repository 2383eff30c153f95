#include "catalogue/Exceptions.h"
#include "catalogue/SourceManager.h"

namespace VT {

Song SourceManager::FindSong(const std::string& fileName)
{
    for (ListPtr source = Begin(); source != End(); ++source) {
        for (const Song& song : source->songs) {
            if (song.GetFileName() == fileName)
                return song;
        }
    }
    throw not_found();
}

} // namespace VT
