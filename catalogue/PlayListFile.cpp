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

// The count only reserves room: the records actually read decide the length.
void ReserveForCount(std::vector<Song>& songs, std::string_view countLine)
{
    const long long count = std::atoll(std::string(countLine).c_str());
    constexpr long long Plausible = 10'000'000;
    if (count > 0 && count <= Plausible)
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
    ReserveForCount(songs, HeaderLine(input));

    Song reading;
    // A last line without a line end is not examined, as a line-by-line reader would drop it.
    for (auto line = input.Next(); line && line->terminated; line = input.Next()) {
        if (line->text == SongStart) {
            try {
                reading.Read(input);
                songs.push_back(std::move(reading));
            } catch (const bad_tag&) {
                // A broken record is dropped; reading resumes after the lines it took.
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
