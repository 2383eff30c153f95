#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Platform {
class LineReader;
}

namespace VT {

// Song fields as numbered by the filter, FindByField and SortByField.
enum SongField : std::uint8_t {
    TitleField = 0,
    ArtistField = 1,
    AlbumField = 2,
    YearField = 3,
    GenreField = 4,
    FileNameField = 5,
};

// One song: the texts of its tag and where its file lies. Lists hold plain copies.
class Song {
public:
    Song() = default;
    Song(const Song&) = default;
    Song& operator=(const Song&) = default;
    Song(Song&&) = default;
    Song& operator=(Song&&) = default;
    virtual ~Song() = default;

    // Tag access is MP3Song's; a plain song has no file of its own to read.
    virtual void ReadTag(std::string path);
    virtual void WriteTag();

    // The eleven-line record of a list file. Read expects the "SONG" line already taken.
    virtual void Read(Platform::LineReader& input);
    virtual void Write(std::string& output) const;

    // Empties the five tag texts; the file's whereabouts stay.
    virtual void Clear();

    void SetTitle(std::string text) { title_ = std::move(text); }
    void SetArtist(std::string text) { artist_ = std::move(text); }
    void SetYear(std::string text) { year_ = std::move(text); }
    virtual void SetGenre(std::string text) { genre_ = std::move(text); }
    void SetAlbum(std::string text) { album_ = std::move(text); }
    void SetFileName(std::string text);
    void SetFolder(std::string text);

    const std::string& GetTitle() const { return title_; }
    const std::string& GetArtist() const { return artist_; }
    const std::string& GetYear() const { return year_; }
    const std::string& GetGenre() const { return genre_; }
    const std::string& GetAlbum() const { return album_; }
    const std::string& GetFileName() const { return fileName_; }
    const std::string& GetFolder() const { return folder_; }
    // The path the song was read from, exactly as it was given.
    std::string GetPath() const;
    const std::string& GetType() const { return type_; }

    // Folder, the separator, file name, joined as they stand.
    std::string GetFullFileName() const;

    // The text of a numbered field; nullptr for a number that names no field.
    const std::string* FieldText(std::uint8_t field) const;

    // Equal tag texts make equal songs, wherever their files lie.
    bool operator==(const Song& other) const;

    // The same entry: equal tag texts and the same file.
    bool IsSameEntry(const Song& other) const;

protected:
    void SetPath(std::string_view text);
    void SetType(std::string text) { type_ = std::move(text); }

private:
    // The nine texts in the order of the record, which binds the file format and differs
    // from the order of declaration.
    static const std::array<std::string Song::*, 9> RecordOrder;

    // The record's lines at `at`, each text put there by `putText`; returns where they end.
    template <typename PutText>
    char* PutRecord(char* at, PutText putText) const;

    bool IsFullFileName(std::string_view path) const;
    // Stores the path, or only the mark that it is the full file name: most paths are,
    // and a large list then keeps one text less per song.
    void AdoptPath(std::string_view path);
    // Before folder or file name change, a path kept as a mark becomes a text of its own.
    void KeepPath();

    std::string title_;
    std::string artist_;
    std::string year_;
    std::string genre_;
    std::string album_;
    std::string fileName_;
    std::string folder_;
    std::string path_; // empty while pathIsFullName_
    std::string type_;
    bool pathIsFullName_ = false;
};

} // namespace VT
