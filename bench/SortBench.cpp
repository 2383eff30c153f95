// Sorting a list by one column, the sort alone, against std::sort of (text, position)
// pairs of the same texts, at several sizes; and a search of the list after such a sort
// against the same search before it.
#include "bench/FloorTurns.h"
#include "bench/GeneratedSongs.h"
#include "catalogue/Filter.h"
#include "catalogue/PlayList.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// range(0) songs of the kind range(2); `list` is made a fresh copy of them.
struct Songs {
    explicit Songs(const benchmark::State& state)
        : original(GeneratedSongs::Made(static_cast<std::size_t>(state.range(0)),
                                        static_cast<GeneratedSongs::Kind>(state.range(2))).songs)
    {
    }

    void Refill() { GeneratedSongs::Refill(list.songs, original); }

    const std::vector<VT::Song>& original;
    VT::PlayList list;
};

void SortByColumn(benchmark::State& state)
{
    Songs songs(state);
    const auto field = static_cast<std::uint8_t>(state.range(1));
    std::vector<std::pair<std::string_view, std::uint32_t>> pairs;
    FloorTurns turns(state);
    for (auto _ : state) {
        turns.Turn(
            [&] {
                songs.Refill();
                pairs.clear();
                for (std::uint32_t at = 0; at < songs.list.songs.size(); ++at)
                    pairs.emplace_back(songs.list.songs[at].FieldText(field).value_or(""), at);
                EvictCaches();
            },
            [&] { std::sort(pairs.begin(), pairs.end()); }, [&] { songs.Refill(); },
            [&] { songs.list.SortByField(field, 1); });
    }
    turns.Report("sort_per_pair_sort");
    state.counters["nsPerSong"] = turns.WorkSeconds() * 1e9 / static_cast<double>(state.iterations() * state.range(0));
}

// The title search that finds 3 % of the songs, on the songs as loaded against on the
// same songs sorted by the column range(1).
void SearchAfterSort(benchmark::State& state)
{
    Songs songs(state);
    const VT::Filter filter({VT::Filter::Criteria(VT::Filter::Title, VT::Filter::Contains,
                                                  std::string(GeneratedSongs::TitleWordIn(3)))});
    std::size_t before = 0, after = 0;
    FloorTurns turns(state);
    for (auto _ : state) {
        turns.Turn([&] { songs.Refill(); }, [&] { before = filter.Select(songs.list, true).size(); },
                   [&] {
                       songs.Refill();
                       songs.list.SortByField(static_cast<std::uint8_t>(state.range(1)), 1);
                       EvictCaches();
                   },
                   [&] { after = filter.Select(songs.list, true).size(); });
    }
    if (before != after)
        state.SkipWithError("the sort changed what the search finds");
    turns.Report("after_per_before");
}

constexpr std::int64_t SmokeSize = 1'000;

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({"songs", "field", "kind"})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(4)->Apply(WithLeastAndGreatest);
}

void EveryColumnAtEverySize(benchmark::internal::Benchmark* benchmark)
{
    for (const std::int64_t songs : {100'000, 200'000, 1'000'000}) {
        for (std::int64_t field = VT::TitleField; field <= VT::FileNameField; ++field)
            benchmark->Args({songs, field, GeneratedSongs::Collection});
        benchmark->Args({songs, VT::ArtistField, GeneratedSongs::RandomLetters});
    }
}

} // namespace

BENCHMARK(SortByColumn)->Name("Sort/Column")->Apply(Sizes)->Apply(EveryColumnAtEverySize);
BENCHMARK(SearchAfterSort)->Name("Search/AfterSort")->Apply(Sizes)->Args({1'000'000, VT::ArtistField, GeneratedSongs::Collection});
BENCHMARK(SortByColumn)->Name("Smoke/Sort/Column")->Apply(Sizes)->Args({SmokeSize, VT::ArtistField, GeneratedSongs::Collection})->Iterations(1);
BENCHMARK(SearchAfterSort)->Name("Smoke/Search/AfterSort")->Apply(Sizes)->Args({SmokeSize, VT::ArtistField, GeneratedSongs::Collection})->Iterations(1);

BENCHMARK_MAIN();
