// One Contains search of the titles of a collection, against the least such a search
// does: looking for the folded word in each title where it lies, copying nothing.
#include "bench/FloorTurns.h"
#include "bench/GeneratedSongs.h"
#include "catalogue/Filter.h"
#include "catalogue/FoldCase.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// How many titles hold the word, folding A to Z as the filter does.
std::size_t TitlesHolding(const VT::PlayList& list, const std::string& foldedWord)
{
    const auto sameFolded = [](char text, char word) { return static_cast<char>(VT::FoldByte(text)) == word; };
    std::size_t hits = 0;
    for (const VT::Song& song : list.songs) {
        const std::string_view title = song.GetTitle();
        hits += std::search(title.begin(), title.end(), foldedWord.begin(), foldedWord.end(), sameFolded) != title.end();
    }
    return hits;
}

void FilterContains(benchmark::State& state)
{
    const VT::PlayList& input = GeneratedSongs::Made(static_cast<std::size_t>(state.range(0)));
    const std::string word(GeneratedSongs::TitleWordIn(static_cast<int>(state.range(1))));
    const std::string foldedWord = VT::FoldCase(word);
    const VT::Filter filter({VT::Filter::Criteria(VT::Filter::Title, VT::Filter::Contains, word)});
    std::size_t selected = 0, hits = 0;
    FloorTurns turns(state);
    for (auto _ : state) {
        turns.Turn([] {}, [&] { hits = TitlesHolding(input, foldedWord); },
                   [&] { selected = filter.Select(input, true).size(); });
    }
    turns.Report("filter_per_floor");
    state.counters["selected"] = static_cast<double>(selected);
    state.counters["floor_hits"] = static_cast<double>(hits);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(input.songs.size()));
}

} // namespace

BENCHMARK(FilterContains)->Name("Filter/Contains")->ArgNames({"songs", "matchPercent"})->Args({200000, 3})->Args({200000, 50})->UseManualTime()->Apply(WithLeastAndGreatest);
BENCHMARK(FilterContains)->Name("Smoke/Filter/Contains")->ArgNames({"songs", "matchPercent"})->Args({1000, 3})->UseManualTime();

BENCHMARK_MAIN();
