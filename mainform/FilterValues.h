#pragma once

#include <string>

namespace VT {

// The search that the user set up for one list: the four box texts, the decade's year
// prefix and the flags that say which boxes still show their placeholders.
struct FilterValues {
    std::string Title;
    std::string Artist;
    std::string Year;
    std::string Genre;
    std::string YearPrefix;
    bool TitlePlaceholder = true;
    bool Within = false;
    bool ArtistPlaceholder = true;
    bool YearFromList = true;
    bool GenrePlaceholder = true;
    bool AlbumPlaceholder = true;
    bool Typed = false;
};

} // namespace VT
