#include "fuzz/FuzzSupport.h"

#include <filesystem>

// Whatever a folder load makes of a list file of any bytes, saved into an empty folder
// and loaded back, is the same: names, every text of every song, and their order.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::Scratch().Write("input.vtl", Fuzz::Bytes(data, size));
    VT::PlayListManager first;
    if (!Fuzz::Succeeds<VT::bad_playlist>([&] { first.Load(Fuzz::Scratch().Path()); }))
        return 0;
    std::filesystem::remove_all(Fuzz::Scratch() / "saved");
    const std::string saveFolder = Fuzz::Scratch().MakeFolder("saved");
    Fuzz::Require(first.Save(saveFolder).empty());
    VT::PlayListManager second;
    Fuzz::Require(std::ranges::equal(first.All(), second.Load(saveFolder),
                                     [](VT::ListPtr a, VT::ListPtr b) { return Fuzz::SameList(*a, *b); }));
    return 0;
}
