#include "catalogue/Song.h"

#include "catalogue/Exceptions.h"
#include "catalogue/RecordLine.h"
#include "platform/Separator.h"
#include "platform/TextLines.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace VT {

namespace {

constexpr std::string_view RecordStart = "SONG";
constexpr std::string_view RecordEnd = "END SONG";

// The texts of one song are counted in 32 bits: more would be no tag at all.
std::uint32_t CheckedEnd(std::size_t end)
{
    if (end > std::numeric_limits<std::uint32_t>::max())
        throw bad_tag();
    return static_cast<std::uint32_t>(end);
}

// A song without texts has no block.
std::unique_ptr<char[]> NewBlock(std::size_t size)
{
    return size == 0 ? nullptr : std::make_unique_for_overwrite<char[]>(size);
}

void CopyBytes(char* to, const char* from, std::size_t count)
{
    if (count > 0)
        std::memcpy(to, from, count);
}

} // namespace

Song::Song(const Song& other) : ends_(other.ends_), pathIsFullName_(other.pathIsFullName_)
{
    texts_ = NewBlock(ends_.back());
    CopyBytes(texts_.get(), other.texts_.get(), ends_.back());
}

Song::Song(Song&& other) noexcept
    : texts_(std::move(other.texts_)), ends_(std::exchange(other.ends_, {})),
      pathIsFullName_(std::exchange(other.pathIsFullName_, false))
{
}

Song& Song::operator=(Song&& other) noexcept
{
    texts_ = std::move(other.texts_);
    ends_ = std::exchange(other.ends_, {});
    pathIsFullName_ = std::exchange(other.pathIsFullName_, false);
    return *this;
}

Song& Song::operator=(const Song& other)
{
    if (this != &other)
        *this = Song(other);
    return *this;
}

void Song::ReadTag(std::string) {}

void Song::WriteTag() {}

void Song::Adopt(std::string_view texts, const std::array<std::uint32_t, TextCount>& ends)
{
    std::unique_ptr<char[]> block = NewBlock(texts.size());
    CopyBytes(block.get(), texts.data(), texts.size());
    texts_ = std::move(block);
    ends_ = ends;
}

void Song::SetText(TextIndex index, std::string_view text)
{
    // Built beside the old block before it goes: the text may lie in it.
    const std::uint32_t start = index == 0 ? 0 : ends_[index - 1];
    const std::uint32_t oldEnd = ends_[index];
    const std::uint32_t total = CheckedEnd(std::size_t{ends_.back()} - (oldEnd - start) + text.size());
    const auto newEnd = static_cast<std::uint32_t>(start + text.size());
    std::unique_ptr<char[]> block = NewBlock(total);
    CopyBytes(block.get(), texts_.get(), start);
    CopyBytes(block.get() + start, text.data(), text.size());
    CopyBytes(block.get() + newEnd, texts_.get() + oldEnd, ends_.back() - oldEnd);
    for (std::size_t i = index; i < TextCount; ++i)
        ends_[i] = ends_[i] - oldEnd + newEnd;
    texts_ = std::move(block);
}

void Song::Read(Platform::LineReader& input)
{
    // The lines are gathered first, so that the song's block is made once and to size.
    thread_local std::string gathered;
    gathered.clear();
    std::array<std::uint32_t, TextCount> ends{};
    bool pathIsFullName = false;
    for (std::size_t index = 0; index < TextCount; ++index) {
        const auto line = input.Next();
        if (!line)
            throw bad_tag();
        if (index == Path) {
            // Folder and file name come before the path in the record.
            const std::string_view fileName(gathered.data() + ends[FileName - 1], ends[FileName] - ends[FileName - 1]);
            const std::string_view folder(gathered.data() + ends[FileName], ends[Folder] - ends[FileName]);
            pathIsFullName = line->text.size() == folder.size() + 1 + fileName.size()
                              && line->text.starts_with(folder) && line->text[folder.size()] == Platform::Separator
                              && line->text.ends_with(fileName);
            if (!pathIsFullName)
                gathered.append(line->text);
        } else {
            gathered.append(line->text);
        }
        ends[index] = CheckedEnd(gathered.size());
    }
    const auto closing = input.Next();
    if (!closing || closing->text != RecordEnd)
        throw bad_tag();
    Adopt(gathered, ends);
    pathIsFullName_ = pathIsFullName;
}

template <typename PutText>
char* Song::PutRecord(char* at, PutText putText) const
{
    at = PutLineEnd(putText(at, RecordStart));
    for (std::size_t index = 0; index < TextCount; ++index) {
        if (index == Path && pathIsFullName_) {
            at = putText(at, Text(Folder));
            *at++ = Platform::Separator;
            at = PutLineEnd(putText(at, Text(FileName)));
        } else {
            at = PutLineEnd(putText(at, Text(static_cast<TextIndex>(index))));
        }
    }
    return PutLineEnd(putText(at, RecordEnd));
}

void Song::Write(std::string& output) const
{
    // Room for the whole record at once, and the texts copied as they are: a list of many
    // songs is written without a check for room or for line feeds at each field. The rare
    // record whose texts hold a line feed is then written again, field by field.
    constexpr std::size_t Lines = TextCount + 2;
    std::size_t size = RecordStart.size() + RecordEnd.size() + ends_.back() + Lines * Platform::LineEnd.size();
    if (pathIsFullName_)
        size += ends_[Folder] - ends_[Year] + 1;
    const std::size_t start = output.size();
    output.resize(start + size);
    PutRecord(output.data() + start, [](char* at, std::string_view text) { return CopyRecordText(at, text); });
    if (LineFeeds(std::string_view(output).substr(start)) != Lines)
        PutRecord(output.data() + start, PutRecordText);
}

void Song::SetFileName(std::string_view text)
{
    KeepPath();
    SetText(FileName, text);
}

void Song::SetFolder(std::string_view text)
{
    KeepPath();
    SetText(Folder, text);
}

std::string Song::GetPath() const { return pathIsFullName_ ? GetFullFileName() : std::string(Text(Path)); }

void Song::SetPath(std::string_view text) { AdoptPath(text); }

bool Song::IsFullFileName(std::string_view path) const
{
    const std::string_view folder = Text(Folder);
    const std::string_view fileName = Text(FileName);
    return path.size() == folder.size() + 1 + fileName.size() && path.starts_with(folder)
           && path[folder.size()] == Platform::Separator && path.ends_with(fileName);
}

void Song::AdoptPath(std::string_view path)
{
    const bool full = IsFullFileName(path);
    SetText(Path, full ? std::string_view() : path);
    pathIsFullName_ = full;
}

void Song::KeepPath()
{
    if (!pathIsFullName_)
        return;
    SetText(Path, GetFullFileName());
    pathIsFullName_ = false;
}

void Song::Clear()
{
    const std::uint32_t tagEnd = ends_[Year];
    std::array<std::uint32_t, TextCount> ends{};
    for (std::size_t index = FileName; index < TextCount; ++index)
        ends[index] = ends_[index] - tagEnd;
    Adopt(std::string_view(texts_.get() + tagEnd, ends_.back() - tagEnd), ends);
}

std::string Song::GetFullFileName() const
{
    const std::string_view folder = Text(Folder);
    const std::string_view fileName = Text(FileName);
    std::string full;
    full.reserve(folder.size() + 1 + fileName.size());
    full.append(folder);
    full.push_back(Platform::Separator);
    full.append(fileName);
    return full;
}

std::optional<std::string_view> Song::FieldText(std::uint8_t field) const
{
    switch (field) {
    case TitleField: return Text(Title);
    case ArtistField: return Text(Artist);
    case AlbumField: return Text(Album);
    case YearField: return Text(Year);
    case GenreField: return Text(Genre);
    case FileNameField: return Text(FileName);
    default: return std::nullopt;
    }
}

bool Song::operator==(const Song& other) const
{
    return std::equal(ends_.begin(), ends_.begin() + Year + 1, other.ends_.begin()) && Run(Year) == other.Run(Year);
}

bool Song::IsSameEntry(const Song& other) const
{
    return std::equal(ends_.begin(), ends_.begin() + Folder + 1, other.ends_.begin())
           && Run(Folder) == other.Run(Folder);
}

} // namespace VT
