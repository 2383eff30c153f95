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

const std::array<std::string Song::*, 9> Song::RecordOrder = {
    &Song::title_, &Song::artist_, &Song::album_, &Song::genre_, &Song::year_,
    &Song::fileName_, &Song::folder_, &Song::path_, &Song::type_,
};

void Song::Read(Platform::LineReader& input)
{
    for (std::string Song::*field : RecordOrder) {
        if (field == &Song::path_) {
            // Folder and file name come before the path in the record.
            const auto line = input.Next();
            if (!line)
                throw bad_tag();
            AdoptPath(line->text);
        } else if (!ReadField(input, this->*field)) {
            throw bad_tag();
        }
    }
    const auto closing = input.Next();
    if (!closing || closing->text != RecordEnd)
        throw bad_tag();
}

template <typename PutText>
char* Song::PutRecord(char* at, PutText putText) const
{
    at = PutLineEnd(putText(at, RecordStart));
    for (std::string Song::*field : RecordOrder) {
        if (field == &Song::path_ && pathIsFullName_) {
            at = putText(at, folder_);
            *at++ = Platform::Separator;
            at = PutLineEnd(putText(at, fileName_));
        } else {
            at = PutLineEnd(putText(at, this->*field));
        }
    }
    return PutLineEnd(putText(at, RecordEnd));
}

void Song::Write(std::string& output) const
{
    // Room for the whole record at once, and the texts copied as they are: a list of many
    // songs is written without a check for room or for line feeds at each field. The rare
    // record whose texts hold a line feed is then written again, field by field.
    std::size_t size = RecordLineSize(RecordStart) + RecordLineSize(RecordEnd);
    for (std::string Song::*field : RecordOrder)
        size += RecordLineSize(this->*field);
    if (pathIsFullName_)
        size += folder_.size() + 1 + fileName_.size();
    const std::size_t start = output.size();
    output.resize(start + size);
    PutRecord(output.data() + start, [](char* at, std::string_view text) { return CopyRecordText(at, text); });
    constexpr std::size_t Lines = RecordOrder.size() + 2;
    if (LineFeeds(std::string_view(output).substr(start)) != Lines)
        PutRecord(output.data() + start, PutRecordText);
}

void Song::SetFileName(std::string text)
{
    KeepPath();
    fileName_ = std::move(text);
}

void Song::SetFolder(std::string text)
{
    KeepPath();
    folder_ = std::move(text);
}

std::string Song::GetPath() const { return pathIsFullName_ ? GetFullFileName() : path_; }

void Song::SetPath(std::string_view text) { AdoptPath(text); }

bool Song::IsFullFileName(std::string_view path) const
{
    return path.size() == folder_.size() + 1 + fileName_.size() && path.starts_with(folder_)
           && path[folder_.size()] == Platform::Separator && path.ends_with(fileName_);
}

void Song::AdoptPath(std::string_view path)
{
    pathIsFullName_ = IsFullFileName(path);
    if (pathIsFullName_)
        path_.clear();
    else
        path_.assign(path);
}

void Song::KeepPath()
{
    if (!pathIsFullName_)
        return;
    path_ = GetFullFileName();
    pathIsFullName_ = false;
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
