#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

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

// All nine texts of a song, in the order of its record.
struct SongTexts {
    std::string_view title;
    std::string_view artist;
    std::string_view album;
    std::string_view genre;
    std::string_view year;
    std::string_view fileName;
    std::string_view folder;
    std::string_view path;
    std::string_view type;
};

// One song: the texts of its tag and where its file lies. Lists hold plain copies, and a
// list may hold a million, so a song keeps all its texts in one block of its own.
class Song {
public:
    Song() = default;
    // Builds the song's block once, where a setter per text would build it each time.
    explicit Song(const SongTexts& texts) { SetTexts(texts); }
    Song(const Song& other);
    Song& operator=(const Song& other);
    // A song moved from is left empty.
    Song(Song&& other) noexcept;
    Song& operator=(Song&& other) noexcept;
    virtual ~Song() = default;

    // Tag access is MP3Song's; a plain song has no file of its own to read.
    virtual void ReadTag(std::string path);
    virtual void WriteTag();

    // The eleven-line record of a list file. Read expects the "SONG" line already taken.
    virtual void Read(Platform::LineReader& input);
    virtual void Write(std::string& output) const;

    // Empties the five tag texts; the file's whereabouts stay.
    virtual void Clear();

    void SetTitle(std::string_view text) { SetText(Title, text); }
    void SetArtist(std::string_view text) { SetText(Artist, text); }
    void SetYear(std::string_view text) { SetText(Year, text); }
    virtual void SetGenre(std::string_view text) { SetText(Genre, text); }
    void SetAlbum(std::string_view text) { SetText(Album, text); }
    void SetFileName(std::string_view text);
    void SetFolder(std::string_view text);

    // Valid until the song changes.
    std::string_view GetTitle() const { return Text(Title); }
    std::string_view GetArtist() const { return Text(Artist); }
    std::string_view GetYear() const { return Text(Year); }
    std::string_view GetGenre() const { return Text(Genre); }
    std::string_view GetAlbum() const { return Text(Album); }
    std::string_view GetFileName() const { return Text(FileName); }
    std::string_view GetFolder() const { return Text(Folder); }
    // The path the song was read from, exactly as it was given.
    std::string GetPath() const;
    std::string_view GetType() const { return Text(Type); }

    // Folder, the separator, file name, joined as they stand.
    std::string GetFullFileName() const;

    // The text of a numbered field; nothing for a number that names no field.
    std::optional<std::string_view> FieldText(std::uint8_t field) const;

    // Equal tag texts make equal songs, wherever their files lie.
    bool operator==(const Song& other) const;

    // The same entry: equal tag texts and the same file.
    bool IsSameEntry(const Song& other) const;

    // Asks for the song's texts ahead of a read, for callers that visit many songs in a
    // known, scattered order.
    void PrefetchTexts() const;

protected:
    // Every text at once, the song's block laid out once: what a song read from a file
    // sets. The texts may be the song's own.
    void SetTexts(const SongTexts& texts);
    void SetPath(std::string_view text);
    void SetType(std::string_view text) { SetText(Type, text); }

private:
    // The texts in the order of the record, which binds the file format: the five tag
    // texts first, then the file's, so that comparing songs compares one run of bytes.
    enum TextIndex : std::uint8_t { Title, Artist, Album, Genre, Year, FileName, Folder, Path, Type, TextCount };

    using Ends = std::array<std::uint32_t, TextCount>;

    // A song's block holds where each text ends, then the texts back to back: a song
    // itself is then small, and the lists that hold many, and sort them, move little.
    static constexpr std::size_t EndsSize = sizeof(Ends);
    std::uint32_t End(std::size_t index) const
    {
        std::uint32_t end = 0;
        if (block_)
            std::memcpy(&end, block_.get() + index * sizeof end, sizeof end);
        return end;
    }
    Ends AllEnds() const;
    // Never null, even with no texts: views of it are handed to copies and comparisons.
    const char* Texts() const { return block_ ? block_.get() + EndsSize : ""; }
    std::string_view Text(TextIndex index) const
    {
        const std::uint32_t start = index == 0 ? 0 : End(index - 1);
        return {Texts() + start, End(index) - start};
    }
    // The texts from the first through `last`, as one run of bytes.
    std::string_view Run(TextIndex last) const { return {Texts(), End(last)}; }
    bool SameTextsThrough(const Song& other, TextIndex last) const;
    void SetText(TextIndex index, std::string_view text);
    // A block with room for texts that end at `ends`, the ends written; none for no texts.
    static std::unique_ptr<char[]> NewBlock(const Ends& ends);

    // The record's lines at `at`, each text put there by `putText`; returns where they end.
    template <typename PutText>
    char* PutRecord(char* at, PutText putText) const;

    // Stores the path, or only the mark that it is the full file name: most paths are,
    // and a large list then keeps one text less per song.
    void AdoptPath(std::string_view path);
    // Before folder or file name change, a path kept as a mark becomes a text of its own.
    void KeepPath();

    std::unique_ptr<char[]> block_; // none while every text is empty
    bool pathIsFullName_ = false;
};

} // namespace VT
