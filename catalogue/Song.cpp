#include "catalogue/Song.h"

#include "catalogue/Exceptions.h"
#include "catalogue/RecordLine.h"
#include "platform/Separator.h"
#include "platform/TextLines.h"

#include <array>
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

// True when the path is the folder, the separator and the file name.
bool JoinsFolderAndName(std::string_view path, std::string_view folder, std::string_view fileName)
{
    return path.size() == folder.size() + 1 + fileName.size() && path.starts_with(folder)
           && path[folder.size()] == Platform::Separator && path.ends_with(fileName);
}

} // namespace

Song::Song(const Song& other) : pathIsFullName_(other.pathIsFullName_)
{
    if (other.block_) {
        const std::size_t size = EndsSize + other.End(TextCount - 1);
        block_ = std::make_unique_for_overwrite<char[]>(size);
        std::memcpy(block_.get(), other.block_.get(), size);
    }
}

Song::Song(Song&& other) noexcept
    : block_(std::move(other.block_)), pathIsFullName_(std::exchange(other.pathIsFullName_, false))
{
}

Song& Song::operator=(Song&& other) noexcept
{
    block_ = std::move(other.block_);
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

Song::Ends Song::AllEnds() const
{
    Ends ends{};
    if (block_)
        std::memcpy(ends.data(), block_.get(), EndsSize);
    return ends;
}

std::unique_ptr<char[]> Song::NewBlock(const Ends& ends)
{
    if (ends.back() == 0)
        return nullptr;
    auto block = std::make_unique_for_overwrite<char[]>(EndsSize + ends.back());
    std::memcpy(block.get(), ends.data(), EndsSize);
    return block;
}

void Song::SetText(TextIndex index, std::string_view text)
{
    Ends ends = AllEnds();
    const std::string_view old(Texts(), ends.back());
    const std::uint32_t start = index == 0 ? 0 : ends[index - 1];
    const std::uint32_t oldEnd = ends[index];
    // The texts together must stay countable in the ends' 32 bits.
    CheckedEnd(std::size_t{old.size()} - (oldEnd - start) + text.size());
    const auto newEnd = static_cast<std::uint32_t>(start + text.size());
    for (std::size_t i = index; i < TextCount; ++i)
        ends[i] = ends[i] - oldEnd + newEnd;
    // Built beside the old block before it goes: the text may lie in it.
    std::unique_ptr<char[]> block = NewBlock(ends);
    if (block) {
        char* texts = block.get() + EndsSize;
        old.copy(texts, start);
        text.copy(texts + start, text.size());
        old.substr(oldEnd).copy(texts + newEnd, old.size() - oldEnd);
    }
    block_ = std::move(block);
}

void Song::SetTexts(const SongTexts& texts)
{
    const bool pathIsFullName = JoinsFolderAndName(texts.path, texts.folder, texts.fileName);
    const std::array<std::string_view, TextCount> all = {texts.title, texts.artist, texts.album,
                                                         texts.genre, texts.year, texts.fileName,
                                                         texts.folder, pathIsFullName ? std::string_view() : texts.path,
                                                         texts.type};
    Ends ends{};
    std::size_t end = 0;
    for (std::size_t index = 0; index < TextCount; ++index) {
        end += all[index].size();
        ends[index] = CheckedEnd(end);
    }
    // Built before the old block goes: the texts may lie in it.
    std::unique_ptr<char[]> block = NewBlock(ends);
    if (block) {
        char* at = block.get() + EndsSize;
        for (const std::string_view text : all)
            at += text.copy(at, text.size());
    }
    block_ = std::move(block);
    pathIsFullName_ = pathIsFullName;
}

namespace {

// The nine texts of a record and its end line.
using RecordLines = std::array<std::string_view, 10>;

// The record's lines one at a time, for the rare record that does not lie whole in what
// the reader read ahead: each is copied aside, as the next line may move it.
void ReadLinesOneByOne(Platform::LineReader& input, RecordLines& lines)
{
    thread_local std::string gathered;
    gathered.clear();
    std::array<std::size_t, RecordLines().size()> ends{};
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const auto line = input.Next();
        if (!line)
            throw bad_tag();
        gathered.append(line->text);
        ends[index] = gathered.size();
    }
    for (std::size_t index = 0, start = 0; index < lines.size(); start = ends[index++])
        lines[index] = std::string_view(gathered).substr(start, ends[index] - start);
}

} // namespace

void Song::Read(Platform::LineReader& input)
{
    RecordLines lines;
    static_assert(lines.size() == TextCount + 1);
    if (!input.TakeLines(lines))
        ReadLinesOneByOne(input, lines);
    if (lines.back() != RecordEnd)
        throw bad_tag();
    SetTexts({lines[Title], lines[Artist], lines[Album], lines[Genre], lines[Year], lines[FileName], lines[Folder],
              lines[Path], lines[Type]});
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
    // songs is written without a check for room or for line feeds at each field. The
    // song's texts lie together, so one search tells whether any holds a line feed; the
    // rare record whose texts do is written field by field.
    constexpr std::size_t Lines = TextCount + 2;
    std::size_t size = RecordStart.size() + RecordEnd.size() + End(TextCount - 1) + Lines * Platform::LineEnd.size();
    if (pathIsFullName_)
        size += End(Folder) - End(Year) + 1;
    const std::size_t start = output.size();
    output.resize(start + size);
    if (std::memchr(Texts(), '\n', End(TextCount - 1)) == nullptr)
        PutRecord(output.data() + start, [](char* at, std::string_view text) { return CopyRecordText(at, text); });
    else
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

void Song::AdoptPath(std::string_view path)
{
    const bool full = JoinsFolderAndName(path, Text(Folder), Text(FileName));
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
    // The file's texts move to the front of the block they are in: a song read file after
    // file is cleared before each and needs no new block for it.
    Ends ends = AllEnds();
    const std::uint32_t tagEnd = ends[Year];
    if (tagEnd == 0)
        return;
    if (ends.back() == tagEnd) {
        block_.reset();
        return;
    }
    for (std::size_t index = 0; index < TextCount; ++index)
        ends[index] = index < FileName ? 0 : ends[index] - tagEnd;
    char* texts = block_.get() + EndsSize;
    std::memmove(texts, texts + tagEnd, ends.back());
    std::memcpy(block_.get(), ends.data(), EndsSize);
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

bool Song::SameTextsThrough(const Song& other, TextIndex last) const
{
    for (std::size_t index = 0; index <= last; ++index) {
        if (End(index) != other.End(index))
            return false;
    }
    return Run(last) == other.Run(last);
}

bool Song::operator==(const Song& other) const
{
    return SameTextsThrough(other, Year);
}

void Song::PrefetchTexts() const
{
#if defined(__GNUC__)
    // The block's size lies in the block, and reading it would wait for the very bytes
    // asked for: the lines that most songs' blocks fit are asked for whatever the size.
    // Asking for bytes past a block's end does no harm.
    constexpr std::size_t CacheLine = 64;
    constexpr std::size_t UsualBlock = 4 * CacheLine;
    if (!block_)
        return;
    for (std::size_t offset = 0; offset < UsualBlock; offset += CacheLine)
        __builtin_prefetch(block_.get() + offset);
#endif
}

bool Song::IsSameEntry(const Song& other) const
{
    return SameTextsThrough(other, Folder);
}

} // namespace VT
