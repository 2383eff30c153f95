#pragma once

#include "catalogue/Song.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace VT {

// A song that fills itself from the ID3v1 tag in the last 128 bytes of its MP3 file.
// It is the only kind of song made from a file; lists keep its plain Song part.
class MP3Song : public Song {
public:
    static constexpr std::int32_t NoGenre = 255;

    MP3Song();

    // Throws invalid_file (wrong extension, not a readable regular file), bad_tag (too
    // short, unreadable) or no_tag (no "TAG" mark; path, folder and file name are then set).
    void ReadTag(std::string path) override;
    // Writes title, artist, album, year and genre number over the file's existing tag.
    void WriteTag() override;
    void SetGenre(std::string_view text) override;

    // Song::Read, then the genre number from the genre name.
    void ReadRecord(Platform::LineReader& input);

    std::int32_t GetGenreNumber() const { return genreNumber_; }

    // Folder and file name from a path split at its last separator.
    void SetPathParts(const std::string& path);

    // Titles the song with its file name less the extension, as a file without a tag is
    // shown; false, and the title untouched, when the name is no longer than an extension.
    bool TitleFromFileName();

private:
    std::int32_t genreNumber_ = NoGenre;
};

// The text of one fixed-width tag field: trailing blanks and NULs dropped, then cut at
// the first NUL. A view of `field`.
std::string_view TrimTagField(std::string_view field);
// The bytes of one tag field for writing: cut at `width`, padded with NULs.
std::string PadTagField(std::string_view text, std::size_t width);

} // namespace VT
