#include "catalogue/MP3Song.h"

#include "catalogue/Exceptions.h"
#include "catalogue/Extension.h"
#include "catalogue/GenreTable.h"
#include "platform/FileTail.h"
#include "platform/Separator.h"

#include <algorithm>
#include <array>

namespace VT {

namespace {

// The ID3v1 tag: the last 128 bytes of the file.
namespace Id3v1 {

struct Field {
    std::size_t offset;
    std::size_t width;
};

constexpr std::size_t Size = 128;
constexpr std::string_view MarkText = "TAG";

constexpr Field Mark{0, 3};
constexpr Field Title{3, 30};
constexpr Field Artist{33, 30};
constexpr Field Album{63, 30};
constexpr Field Year{93, 4};
constexpr Field Comment{97, 30}; // never read; written as NULs
constexpr std::size_t GenreOffset = 127;

constexpr bool Follows(Field next, Field previous) { return next.offset == previous.offset + previous.width; }
static_assert(Mark.width == MarkText.size());
static_assert(Follows(Title, Mark) && Follows(Artist, Title) && Follows(Album, Artist) && Follows(Year, Album)
              && Follows(Comment, Year) && GenreOffset == Comment.offset + Comment.width && GenreOffset + 1 == Size);

} // namespace Id3v1

using TagBytes = std::array<char, Id3v1::Size>;

std::string_view FieldBytes(const TagBytes& tag, Id3v1::Field field) { return {tag.data() + field.offset, field.width}; }

void PutField(TagBytes& tag, Id3v1::Field field, std::string_view text)
{
    const std::string bytes = PadTagField(text, field.width);
    std::copy(bytes.begin(), bytes.end(), tag.begin() + static_cast<std::ptrdiff_t>(field.offset));
}

bool HasTagMark(const TagBytes& tag) { return FieldBytes(tag, Id3v1::Mark) == Id3v1::MarkText; }

// A folder or a pipe cannot be opened as a song; a file too short or unreadable has no tail.
void ThrowOnFailure(Platform::TailStatus status)
{
    switch (status) {
    case Platform::TailStatus::Done:
        return;
    case Platform::TailStatus::CannotOpen:
        throw invalid_file();
    case Platform::TailStatus::TooShort:
    case Platform::TailStatus::IoFailed:
        throw bad_tag();
    }
}

TagBytes ReadTagBytes(const std::string& path)
{
    TagBytes tag{};
    ThrowOnFailure(Platform::ReadTail(path, tag.data(), tag.size()));
    return tag;
}

struct PathParts {
    std::string_view folder;
    std::string_view fileName;
};

PathParts SplitPathParts(std::string_view path)
{
    // The first character is never a split point: "/a.mp3" keeps its separator in the file name.
    const std::size_t at = Platform::LastSeparator(path, 1, path.size());
    if (at == std::string_view::npos)
        return {{}, path};
    return {path.substr(0, at), path.substr(at + 1)};
}

// The title of a file without one; empty for a name no longer than an extension.
std::string_view NameLessExtension(std::string_view fileName)
{
    return fileName.size() <= ExtensionLength ? std::string_view() : fileName.substr(0, fileName.size() - ExtensionLength);
}

} // namespace

MP3Song::MP3Song() { SetType("mp3"); }

void MP3Song::ReadTag(std::string path)
{
    // A mixed-case extension is refused unopened.
    if (!HasExtension(path, ".mp3"))
        throw invalid_file();
    const TagBytes tag = ReadTagBytes(path);
    const PathParts parts = SplitPathParts(path);
    if (!HasTagMark(tag)) {
        SetTexts({GetTitle(), GetArtist(), GetAlbum(), GetGenre(), GetYear(), parts.fileName, parts.folder, path,
                  GetType()});
        throw no_tag();
    }

    const std::string_view title = TrimTagField(FieldBytes(tag, Id3v1::Title));
    genreNumber_ = static_cast<unsigned char>(tag[Id3v1::GenreOffset]);
    SetTexts({.title = title.empty() ? NameLessExtension(parts.fileName) : title,
              .artist = TrimTagField(FieldBytes(tag, Id3v1::Artist)),
              .album = TrimTagField(FieldBytes(tag, Id3v1::Album)),
              .genre = GenreName(genreNumber_),
              .year = TrimTagField(FieldBytes(tag, Id3v1::Year)),
              .fileName = parts.fileName,
              .folder = parts.folder,
              .path = path,
              .type = GetType()});
}

void MP3Song::WriteTag()
{
    TagBytes tag{};
    PutField(tag, Id3v1::Mark, Id3v1::MarkText);
    PutField(tag, Id3v1::Title, GetTitle());
    PutField(tag, Id3v1::Artist, GetArtist());
    PutField(tag, Id3v1::Album, GetAlbum());
    PutField(tag, Id3v1::Year, GetYear());
    tag[Id3v1::GenreOffset] = static_cast<char>(genreNumber_ & 0xFF);

    // Writing over a tail that is not a tag would destroy the end of the audio.
    if (!HasTagMark(ReadTagBytes(GetPath())))
        throw bad_tag();
    ThrowOnFailure(Platform::WriteTail(GetPath(), tag.data(), tag.size()));
}

void MP3Song::SetGenre(std::string_view text)
{
    genreNumber_ = GenreNumber(text);
    Song::SetGenre(text);
}

void MP3Song::ReadRecord(Platform::LineReader& input)
{
    Read(input);
    genreNumber_ = GenreNumber(GetGenre());
}

bool MP3Song::TitleFromFileName()
{
    const std::string_view title = NameLessExtension(GetFileName());
    if (title.empty())
        return false;
    SetTitle(title);
    return true;
}

void MP3Song::SetPathParts(const std::string& path)
{
    const PathParts parts = SplitPathParts(path);
    SetFolder(parts.folder);
    SetFileName(parts.fileName);
}

std::string_view TrimTagField(std::string_view field)
{
    // Byte by byte from the end: a search for either padding byte would look the whole
    // padding up again at every byte, and a scan trims four fields of every file.
    while (!field.empty() && (field.back() == '\0' || field.back() == ' '))
        field.remove_suffix(1);
    return field.substr(0, field.find('\0'));
}

std::string PadTagField(std::string_view text, std::size_t width)
{
    std::string bytes(text.substr(0, width));
    bytes.resize(width, '\0');
    return bytes;
}

} // namespace VT
