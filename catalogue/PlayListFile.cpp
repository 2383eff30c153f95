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
    if (!line)
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
void ReserveForCount(std::vector<Song>& songs, std::string_view countLine, std::size_t bytesLeft)
{
    constexpr std::size_t SmallestRecord = 23; // "SONG", nine empty fields, "END SONG", bare line feeds
    const long long count = std::atoll(std::string(countLine).c_str());
    if (count > 0 && static_cast<unsigned long long>(count) <= bytesLeft / SmallestRecord)
        songs.reserve(songs.size() + static_cast<std::size_t>(count));
}

} // namespace

void PlayList::Read(Platform::LineReader& input, const std::string& path)
{
    const auto first = input.Next();
    if (!first || !first->terminated)
        throw invalid_file();
    if (first->text != FileStart)
        throw bad_playlist();
    ExpectKeyword(input, NameMark);
    SetName(std::string(HeaderLine(input)));
    ExpectKeyword(input, CountMark);
    // A missing count line reads as no count; the file then simply holds no songs.
    const auto countLine = input.Next();
    ReserveForCount(songs, countLine ? countLine->text : std::string_view(), input.Remaining());

    for (auto line = input.Next(); line; line = input.Next()) {
        if (line->text == SongStart) {
            // Read in place: a list of many songs is read without moving each one.
            try {
                songs.emplace_back().Read(input);
            } catch (const bad_tag&) {
                // A broken record is dropped; reading resumes after the lines it took.
                songs.pop_back();
            }
        } else if (line->text == FileEnd) {
            break;
        }
    }
    SetFile(path);
}

void PlayList::Write(std::string& output) const
{
    Platform::AppendLine(output, FileStart);
    Platform::AppendLine(output, NameMark);
    AppendRecordLine(output, name_);
    Platform::AppendLine(output, CountMark);
    Platform::AppendLine(output, std::to_string(songs.size()));
    // Room for the rest at once, so that a list of many songs is written without regrowing.
    std::size_t rest = FileEnd.size() + Platform::LineEnd.size();
    for (const Song& song : songs)
        rest += song.RecordSize();
    output.reserve(output.size() + rest);
    for (const Song& song : songs)
        song.Write(output);
    Platform::AppendLine(output, FileEnd);
}

void PlayList::SetFile(const std::string& path)
{
    filePath_ = path;
    extension_ = path.size() >= 4 ? path.substr(path.size() - 4) : path;
}

} // namespace VT
