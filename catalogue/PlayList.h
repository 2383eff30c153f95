#pragma once

#include "catalogue/Song.h"
#include "platform/WholeFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Platform {
class LineReader;
class LineWriter;
}

namespace VT {

// A named, ordered run of songs and the list file that holds it. Serves for sources
// and for the user's play lists alike.
class PlayList {
public:
    std::vector<Song> songs;

    const std::string& GetName() const { return name_; }
    void SetName(std::string text) { name_ = std::move(text); }
    const std::string& GetFilePath() const { return filePath_; }
    const std::string& GetExtension() const { return extension_; }
    void SetExtension(std::string text) { extension_ = std::move(text); }

    // Throws not_in_range outside 0 .. size-1.
    Song& At(std::int64_t index);
    const Song& At(std::int64_t index) const;

    // The first song whose numbered field equals `text` byte for byte; throws not_found.
    Song& FindByField(const std::string& text, std::uint8_t field);

    // Copies of `run` go before the first song equal to `before`, or at the end.
    void InsertBefore(const std::vector<Song>& run, const Song& before);

    // Removes the first entry that is the same song in the same file; false when none is.
    bool RemoveSong(const Song& song);
    // Removes, for each song given, at most that one entry; returns how many went.
    std::size_t RemoveSongs(const std::vector<Song>& run);
    // Removes the entries at these positions, given in any order, each counted once;
    // throws not_in_range, changing nothing, when one lies outside the list.
    void RemoveAt(const std::vector<std::size_t>& positions);
    // Takes the entries at these positions, in list order, and puts them before the entry
    // at `before`. A `before` past the end, or one of the moved entries, puts them at the
    // end. Throws not_in_range, changing nothing, when a position lies outside the list.
    void MoveAt(const std::vector<std::size_t>& positions, std::size_t before);

    // Ascending by the field's bytes for +1; reversed for -1.
    void SortByField(std::uint8_t field, int direction);

    // The list file format. Read fills an empty list from `input` and records `path` as
    // its file; Write appends the whole file to `output`.
    void Read(Platform::LineReader& input, const std::string& path);
    void Write(std::string& output) const;
    void Write(Platform::LineWriter& output) const;

    // Records the list's file: its path and the path's last four characters as extension.
    // The list is then no longer known to match what that file holds.
    void SetFile(const std::string& path);

    // Notes that the list's file holds exactly this list, as the file stands now.
    void NoteFileWritten();
    // Notes that the list is about to change, so its file no longer holds it; a changed
    // list is written as any other, also one that was not read whole.
    void ForgetFile()
    {
        fileState_.identity.reset();
        readWhole_ = true;
    }
    // True when the list's file still holds exactly what Write would put there: the list
    // was read from it or written to it and has not changed since, nor has the file.
    bool FileIsCurrent() const;
    // False after Read dropped a damaged record or found the file ending before its end
    // line: the list then holds less than its file, and is not written back unless changed.
    bool ReadWhole() const { return readWhole_; }

    // The same number for the list, its copies and the undo states' versions of it, so
    // that the list is known through renames and restores; 0 until a manager holds it.
    std::uint64_t Serial() const { return serial_; }

private:
    friend class ListSequence;

    // One flag per entry, set for the positions given; throws not_in_range for one outside.
    std::vector<bool> Marked(const std::vector<std::size_t>& positions) const;

    // The list's file as it stood when it last held exactly this list. A copy starts
    // without it: a copy is made to be changed (an edit of a list that an undo state
    // shares) or to become another list, and must never be taken for what the file holds.
    struct FileState {
        FileState() = default;
        FileState(const FileState&) {}
        FileState& operator=(const FileState&)
        {
            identity.reset();
            return *this;
        }
        FileState(FileState&&) = default;
        FileState& operator=(FileState&&) = default;

        std::optional<Platform::FileIdentity> identity;
    };

    std::string name_;
    std::string filePath_;
    std::string extension_;
    FileState fileState_;
    bool readWhole_ = true;
    std::uint64_t serial_ = 0;
};

} // namespace VT
