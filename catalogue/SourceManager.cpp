#include "catalogue/Exceptions.h"
#include "catalogue/SongsByFileName.h"
#include "catalogue/SourceManager.h"

namespace VT {

Song SourceManager::FindSong(const std::string& fileName)
{
    const Song* found = SongsByFileName(*this).Find(fileName);
    if (!found)
        throw not_found();
    return *found;
}

} // namespace VT
