#pragma once

#include "catalogue/Catalogue.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

// Every fuzz target is this one function; libFuzzer calls it, and so does the corpus replay.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace Fuzz {

// A broken property ends the process as a crash does: the fuzzer keeps the input, and a
// replay of the corpus fails.
inline void Require(bool holds) { if (!holds) std::abort(); }

// True when the step succeeds, false when it fails with one of the declared exceptions.
// Any other failure goes on, and the fuzzer reports it as a crash.
template <typename Declared, typename... More, typename Step>
bool Succeeds(const Step& step)
{
    try {
        if constexpr (sizeof...(More) == 0)
            step();
        else
            return Succeeds<More...>(step);
        return true;
    } catch (const Declared&) {
        return false;
    }
}

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// One folder for the whole process, made at the first call and removed at exit, so that
// millions of inputs leave nothing behind.
inline const TestSupport::TempFolder& Scratch()
{
    static const TestSupport::TempFolder folder;
    return folder;
}

// The same name, and the same songs in the same order with every text equal.
inline bool SameList(const VT::PlayList& a, const VT::PlayList& b)
{
    return a.GetName() == b.GetName() && std::ranges::equal(a.songs, b.songs, SongSamples::SameTexts);
}

} // namespace Fuzz
