#include "catalogue/Song.h"

#include "catalogue/Exceptions.h"
#include "catalogue/RecordLine.h"
#include "platform/Separator.h"
#include "platform/TextLines.h"

namespace VT {

namespace {

constexpr std::string_view RecordStart = "SONG";
constexpr std::string_view RecordEnd = "END SONG";

// A record that the input ends inside can never reach its closing line.
bool ReadField(Platform::LineReader& input, std::string& field)
{
    const auto line = input.Next();
    if (!line)
        return false;
    field.assign(line->text);
    return true;
}

} // namespace

void Song::ReadTag(std::string) {}

void Song::WriteTag() {}

void Song::Read(Platform::LineReader& input)
{
    // Record order, which binds the file format: title, artist, album, genre, year, ...
    std::string* const fields[] = {&title_, &artist_, &album_, &genre_, &year_,
                                   &fileName_, &folder_, &path_, &type_};
    for (std::string* field : fields) {
        if (!ReadField(input, *field))
            throw bad_tag();
    }
    const auto closing = input.Next();
    if (!closing || closing->text != RecordEnd)
        throw bad_tag();
}

void Song::Write(std::string& output) const
{
    Platform::AppendLine(output, RecordStart);
    for (const std::string* field : {&title_, &artist_, &album_, &genre_, &year_,
                                     &fileName_, &folder_, &path_, &type_})
        AppendRecordLine(output, *field);
    Platform::AppendLine(output, RecordEnd);
}

void Song::Clear()
{
    title_.clear();
    artist_.clear();
    album_.clear();
    year_.clear();
    genre_.clear();
}

std::string Song::GetFullFileName() const
{
    std::string full;
    full.reserve(folder_.size() + 1 + fileName_.size());
    full.append(folder_);
    full.push_back(Platform::Separator);
    full.append(fileName_);
    return full;
}

const std::string* Song::FieldText(std::uint8_t field) const
{
    switch (field) {
    case TitleField: return &title_;
    case ArtistField: return &artist_;
    case AlbumField: return &album_;
    case YearField: return &year_;
    case GenreField: return &genre_;
    case FileNameField: return &fileName_;
    default: return nullptr;
    }
}

bool Song::operator==(const Song& other) const
{
    return title_ == other.title_ && artist_ == other.artist_ && album_ == other.album_
           && year_ == other.year_ && genre_ == other.genre_;
}

bool Song::IsSameEntry(const Song& other) const
{
    return *this == other && folder_ == other.folder_ && fileName_ == other.fileName_;
}

} // namespace VT
