#include "fuzz/FuzzSupport.h"
#include "platform/WholeFile.h"

// An MP3 file of any bytes: its tag reads with only the declared failures, and a tag
// written over it reads back as written, while every byte before the tag stays.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t TagSize = 128;
    const std::string_view bytes = Fuzz::Bytes(data, size);
    const std::string path = Fuzz::Scratch().Write("song.mp3", bytes);
    const bool tagged = size >= TagSize && bytes.substr(size - TagSize, 3) == "TAG";
    VT::MP3Song song;
    if (size < TagSize) {
        Fuzz::Require(!Fuzz::Succeeds<VT::bad_tag>([&] { song.ReadTag(path); }));
        return 0;
    }
    Fuzz::Require(Fuzz::Succeeds<VT::no_tag>([&] { song.ReadTag(path); }) == tagged);

    // Texts that a tag can give back: blanks at the end read back as padding, and an empty
    // title as the file's name. Artist and album change places, so that what is written
    // differs from what was read.
    const auto kept = [](std::string_view text) { return text.substr(0, text.find_last_not_of(' ') + 1); };
    const std::string artist(song.GetArtist());
    song.SetTitle(kept(song.GetTitle()));
    song.SetArtist(kept(song.GetAlbum()));
    song.SetAlbum(kept(artist));
    song.SetYear(kept(song.GetYear()));
    if (song.GetTitle().empty())
        song.TitleFromFileName();
    if (!Fuzz::Succeeds<VT::bad_tag>([&] { song.WriteTag(); })) {
        // Refused over a tail that is no tag, which then stays as it was.
        Fuzz::Require(!tagged && Platform::ReadWholeFile(path) == bytes);
        return 0;
    }
    const std::size_t audio = tagged ? size - TagSize : size;
    const std::optional<std::string> written = Platform::ReadWholeFile(path);
    Fuzz::Require(written && written->size() == audio + TagSize && written->starts_with(bytes.substr(0, audio)));
    VT::MP3Song readBack;
    readBack.ReadTag(path);
    Fuzz::Require(SongSamples::SameTexts(readBack, song) && readBack.GetGenreNumber() == song.GetGenreNumber());
    return 0;
}
