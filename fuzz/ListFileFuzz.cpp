#include "fuzz/FuzzSupport.h"
#include "platform/TextLines.h"

// A list file of any bytes is read whole, read again a few bytes at a time, and loaded
// from a folder beside a valid file: all three agree, and only the declared failures
// leave the reader.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using SongSamples::Titled;
    static const VT::PlayList valid = SongSamples::ListOf("Valid", {Titled("One"), Titled("Two")});
    static const std::string validFile = Fuzz::Scratch().Write("valid.vtl", SongSamples::FileOf("Valid", valid.songs));
    const std::string path = Fuzz::Scratch().Write("input.vtl", Fuzz::Bytes(data, size));
    const auto reads = [&path](VT::PlayList& list, Platform::LineReader& input) {
        return Fuzz::Succeeds<VT::invalid_file, VT::bad_playlist>([&] { list.Read(input, path); });
    };

    VT::PlayList read;
    Platform::LineReader whole(Fuzz::Bytes(data, size));
    const bool readable = reads(read, whole);
    // Lines that cross the blocks of a file read in small pieces are still whole lines.
    VT::PlayList readInPieces;
    Platform::LineReader pieces;
    Fuzz::Require(pieces.OpenFile(path, 1 + size % 7));
    Fuzz::Require(reads(readInPieces, pieces) == readable && (!readable || Fuzz::SameList(read, readInPieces)));

    VT::PlayListManager lists;
    std::vector<VT::ListPtr> loaded;
    const bool loads = Fuzz::Succeeds<VT::bad_playlist>([&] { loaded = lists.Load(Fuzz::Scratch().Path()); });
    const auto holds = [&loaded](const VT::PlayList& list) {
        return std::ranges::any_of(loaded, [&list](VT::ListPtr at) { return Fuzz::SameList(*at, list); });
    };
    // A damaged header may end the load, but only one that the reader refused as well.
    Fuzz::Require(loads ? loaded.size() == (readable ? 2u : 1u) && holds(valid) && (!readable || holds(read))
                        : !readable);
    return 0;
}
