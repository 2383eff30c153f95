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

} // namespace

MP3Song::MP3Song() { SetType("mp3"); }

void MP3Song::ReadTag(std::string path)
{
    // A mixed-case extension is refused unopened.
    if (!HasExtension(path, ".mp3"))
        throw invalid_file();
    const TagBytes tag = ReadTagBytes(path);

    SetPath({}); // the old path goes anyway; dropped first, it need not be kept as text
    SetPathParts(path);
    SetPath(path);
    if (!HasTagMark(tag))
        throw no_tag();

    SetTitle(TrimTagField(FieldBytes(tag, Id3v1::Title)));
    if (GetTitle().empty())
        TitleFromFileName();
    SetArtist(TrimTagField(FieldBytes(tag, Id3v1::Artist)));
    SetAlbum(TrimTagField(FieldBytes(tag, Id3v1::Album)));
    SetYear(TrimTagField(FieldBytes(tag, Id3v1::Year)));
    genreNumber_ = static_cast<unsigned char>(tag[Id3v1::GenreOffset]);
    Song::SetGenre(GenreName(genreNumber_));
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
    const std::string_view name = GetFileName();
    if (name.size() <= ExtensionLength)
        return false;
    SetTitle(name.substr(0, name.size() - ExtensionLength));
    return true;
}

void MP3Song::SetPathParts(const std::string& path)
{
    // The first character is never a split point: "/a.mp3" keeps its separator in the file name.
    const std::size_t at = Platform::LastSeparator(path, 1, path.size());
    if (at == std::string::npos) {
        SetFolder({});
        SetFileName(path);
        return;
    }
    SetFolder(path.substr(0, at));
    SetFileName(path.substr(at + 1));
}

std::string TrimTagField(std::string_view field)
{
    constexpr std::string_view Padding("\0 ", 2);
    const std::size_t last = field.find_last_not_of(Padding);
    if (last == std::string_view::npos)
        return {};
    const std::string_view kept = field.substr(0, last + 1);
    return std::string(kept.substr(0, kept.find('\0')));
}

std::string PadTagField(std::string_view text, std::size_t width)
{
    std::string bytes(text.substr(0, width));
    bytes.resize(width, '\0');
    return bytes;
}

} // namespace VT
