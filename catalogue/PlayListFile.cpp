#include "catalogue/Exceptions.h"
#include "catalogue/PlayList.h"
#include "catalogue/RecordLine.h"
#include "platform/TextLines.h"

#include <cstdlib>
#include <string>

namespace VT {

namespace {

constexpr std::string_view FileStart = "VTFILE";
constexpr std::string_view NameMark = "-name-";
constexpr std::string_view CountMark = "-count-";
constexpr std::string_view SongStart = "SONG";
constexpr std::string_view FileEnd = "END VTFILE";

// A header line that is missing or not the expected keyword means a damaged file.
std::string_view HeaderLine(Platform::LineReader& input)
{
    const auto line = input.Next();
    if (!line || line->overlong)
        throw bad_playlist();
    return line->text;
}

void ExpectKeyword(Platform::LineReader& input, std::string_view keyword)
{
    if (HeaderLine(input) != keyword)
        throw bad_playlist();
}

// The count only reserves room: the records actually read decide the length. A damaged
// count must not reserve more than the rest of the file could hold.
void ReserveForCount(std::vector<Song>& songs, const std::string& countLine, std::size_t bytesLeft)
{
    constexpr std::size_t SmallestRecord = 23; // "SONG", nine empty fields, "END SONG", bare line feeds
    const long long count = std::atoll(countLine.c_str());
    if (count > 0 && static_cast<unsigned long long>(count) <= bytesLeft / SmallestRecord)
        songs.reserve(songs.size() + static_cast<std::size_t>(count));
}

} // namespace

void PlayList::Read(Platform::LineReader& input, const std::string& path)
{
    const auto first = input.Next();
    if (!first || !first->terminated || first->overlong)
        throw invalid_file();
    if (first->text != FileStart)
        throw bad_playlist();
    ExpectKeyword(input, NameMark);
    SetName(std::string(HeaderLine(input)));
    ExpectKeyword(input, CountMark);
    // A missing count line reads as no count; the file then simply holds no songs.
    const auto countLine = input.Next();
    const std::string count(countLine && !countLine->overlong ? countLine->text : std::string_view());
    ReserveForCount(songs, count, input.Remaining());

    // Whether writing the list back would give the file byte for byte: nothing was
    // passed over or dropped, and the count and the end stand as Write puts them.
    bool asWritten = true;
    bool dropped = false;
    bool ended = false;
    for (auto line = input.Next(); line; line = input.Next()) {
        if (line->overlong) {
            dropped = true;
            asWritten = false;
        } else if (line->text == SongStart) {
            // Read in place: a list of many songs is read without moving each one.
            // A record with a line too long to read is damaged too.
            const std::size_t overlong = input.OverlongLines();
            try {
                songs.emplace_back().Read(input);
                if (input.OverlongLines() != overlong)
                    throw bad_tag();
            } catch (const bad_tag&) {
                // A broken record is dropped; reading resumes after the lines it took.
                songs.pop_back();
                dropped = true;
                asWritten = false;
            }
        } else if (line->text == FileEnd) {
            ended = true;
            break;
        } else {
            asWritten = false;
        }
    }
    SetFile(path);
    readWhole_ = ended && !dropped;
    if (asWritten && ended && input.Remaining() == 0 && input.OnlyLineEnds() && count == std::to_string(songs.size()))
        fileState_.identity = input.Identity();
}

void PlayList::Write(std::string& output) const
{
    Platform::LineWriter whole(output);
    Write(whole);
}

void PlayList::Write(Platform::LineWriter& output) const
{
    std::string& text = output.Text();
    Platform::AppendLine(text, FileStart);
    Platform::AppendLine(text, NameMark);
    AppendRecordLine(text, name_);
    Platform::AppendLine(text, CountMark);
    Platform::AppendLine(text, std::to_string(songs.size()));
    for (const Song& song : songs) {
        song.Write(text);
        output.Spill();
    }
    Platform::AppendLine(text, FileEnd);
}

void PlayList::SetFile(const std::string& path)
{
    filePath_ = path;
    extension_ = path.size() >= 4 ? path.substr(path.size() - 4) : path;
    fileState_.identity.reset();
}

void PlayList::NoteFileWritten() { fileState_.identity = Platform::IdentityOf(filePath_); }

bool PlayList::FileIsCurrent() const
{
    return fileState_.identity && Platform::IdentityOf(filePath_) == fileState_.identity;
}

} // namespace VT
