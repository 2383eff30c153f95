#include "bench/GeneratedSongs.h"
#include "catalogue/Manager.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <malloc.h>
#include <optional>
#include <vector>

namespace {

constexpr std::size_t SmallListSongs = 10;
constexpr int Edits = 50;

// Heap bytes in use. glibc keeps a large block, such as the song vector of a big list,
// outside the arena (hblkhd) rather than in the arena's count (uordblks); both count here.
double HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

// A song that none of the generated lists holds, so removing it takes exactly the entry added.
std::vector<VT::Song> OneNewSong()
{
    VT::Song song;
    song.SetTitle("Added by the benchmark");
    song.SetFileName("added.mp3");
    song.SetFolder("/home/listener/Music/Added");
    return {song};
}

// A model holding `big` as a play list (unless it is empty) and a small play list.
struct Model {
    explicit Model(const VT::PlayList& big)
    {
        if (!big.songs.empty())
            model.AddPlayList(big);
        small = model.AddPlayList(GeneratedSongs::List("Small", SmallListSongs));
    }

    void Add() { model.AddSongs(song, small); }
    void Remove() { model.RemoveSongs(song, small); }

    // Every later edit then drops the oldest state, as in long use.
    void FillHistory()
    {
        for (int i = 0; i <= VT::Manager::UndoRedoBuffer::EarlierStates; ++i) {
            Add();
            Remove();
        }
    }

    VT::Manager model;
    VT::ListPtr small;
    const std::vector<VT::Song> song = OneNewSong();
};

VT::PlayList BigList(const benchmark::State& state)
{
    return GeneratedSongs::List("Big", static_cast<std::size_t>(state.range(0)));
}

// Only the addition is timed; the removal after it, one more edit, keeps the list at its
// size and the history full.
void AddOneSong(benchmark::State& state)
{
    Model model(BigList(state));
    model.FillHistory();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        model.Add();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        model.Remove();
    }
    state.counters["big_list_songs"] = static_cast<double>(state.range(0));
}

// What fifty edits of the small list add to the heap, starting from a history that holds
// only the lists' creation, beside what one copy of the big list takes.
void FiftyEditsHeapGrowth(benchmark::State& state)
{
    const VT::PlayList big = BigList(state);
    double before = 0;
    double after = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<Model> model(std::in_place, big);
        before = HeapInUse();
        state.ResumeTiming();
        for (int i = 0; i < Edits; ++i)
            model->Add();
        state.PauseTiming();
        after = HeapInUse();
        model.reset();
        state.ResumeTiming();
    }
    const double beforeCopy = HeapInUse();
    const VT::PlayList copy = big;
    const double oneCopy = HeapInUse() - beforeCopy;
    state.counters["heap_before"] = before;
    state.counters["heap_after_50_edits"] = after;
    state.counters["heap_growth_50_edits"] = after - before;
    state.counters["heap_one_big_list_copy"] = oneCopy;
    benchmark::DoNotOptimize(copy.songs.data());
}

} // namespace

constexpr std::int64_t BigListSongs = 100'000;
constexpr std::int64_t SmokeBigListSongs = 1'000;

BENCHMARK(AddOneSong)->Name("Edit/AddOneSongBesideBigList")->Arg(BigListSongs)->UseManualTime();
BENCHMARK(AddOneSong)->Name("Baseline/AddOneSongWithoutBigList")->Arg(0)->UseManualTime();
BENCHMARK(FiftyEditsHeapGrowth)->Name("Memory/FiftyEditsBesideBigList")->Arg(BigListSongs)->Iterations(3)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(AddOneSong)->Name("Smoke/Edit/AddOneSongBesideBigList")->Arg(SmokeBigListSongs)->UseManualTime();
BENCHMARK(AddOneSong)->Name("Smoke/Baseline/AddOneSongWithoutBigList")->Arg(0)->UseManualTime();
BENCHMARK(FiftyEditsHeapGrowth)->Name("Smoke/Memory/FiftyEditsBesideBigList")->Arg(SmokeBigListSongs)->Iterations(1)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
