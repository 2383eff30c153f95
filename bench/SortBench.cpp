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
#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace {

enum Songs : std::int64_t { Collection, RandomLetters };

// range(0) songs of the kind range(2) names, made once per size and kind.
const VT::PlayList& Original(const benchmark::State& state)
{
    static std::map<std::pair<std::int64_t, std::int64_t>, VT::PlayList> made;
    const auto key = std::make_pair(state.range(0), state.range(2));
    auto found = made.find(key);
    if (found == made.end()) {
        const auto count = static_cast<std::size_t>(key.first);
        found = made.emplace(key, key.second == RandomLetters ? GeneratedSongs::RandomLetterList("Songs", count)
                                                              : GeneratedSongs::List("Songs", count))
                    .first;
    }
    return found->second;
}

// A fresh copy of the songs, laid out in memory as a loaded list is, and then left long
// enough that none of it is in the cache.
void Refill(VT::PlayList& list, const VT::PlayList& original)
{
    // The old songs go first, so that the allocator tidies up after them here.
    list.songs = {};
    list.songs = original.songs;
    EvictCaches();
}

void SortByColumn(benchmark::State& state)
{
    const VT::PlayList& original = Original(state);
    const auto field = static_cast<std::uint8_t>(state.range(1));
    VT::PlayList list;
    std::vector<std::pair<std::string_view, std::uint32_t>> pairs;
    FloorTurns turns(state);
    for (auto _ : state) {
        turns.Turn(
            [&] {
                Refill(list, original);
                pairs.clear();
                for (std::uint32_t at = 0; at < list.songs.size(); ++at)
                    pairs.emplace_back(list.songs[at].FieldText(field).value_or(""), at);
                EvictCaches();
            },
            [&] { std::sort(pairs.begin(), pairs.end()); }, [&] { Refill(list, original); },
            [&] { list.SortByField(field, 1); });
    }
    turns.Report("sort_per_pair_sort");
    state.counters["nsPerSong"] = turns.WorkSeconds() * 1e9 / static_cast<double>(state.iterations() * state.range(0));
}

// The title search that finds 3 % of the songs, on the songs as loaded against on the
// same songs sorted by the column range(1).
void SearchAfterSort(benchmark::State& state)
{
    const VT::PlayList& original = Original(state);
    const VT::Filter filter({VT::Filter::Criteria(VT::Filter::Title, VT::Filter::Contains,
                                                  std::string(GeneratedSongs::TitleWordIn(3)))});
    VT::PlayList list;
    std::size_t before = 0, after = 0;
    FloorTurns turns(state);
    for (auto _ : state) {
        turns.Turn([&] { Refill(list, original); }, [&] { before = filter.Select(list, true).size(); },
                   [&] {
                       Refill(list, original);
                       list.SortByField(static_cast<std::uint8_t>(state.range(1)), 1);
                       EvictCaches();
                   },
                   [&] { after = filter.Select(list, true).size(); });
    }
    if (before != after)
        state.SkipWithError("the sort changed what the search finds");
    turns.Report("after_per_before");
}

constexpr std::int64_t SmokeSize = 1'000;

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({"songs", "field", "kind"})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(4);
}

void EveryColumnAtEverySize(benchmark::internal::Benchmark* benchmark)
{
    for (const std::int64_t songs : {100'000, 200'000, 1'000'000}) {
        for (std::int64_t field = VT::TitleField; field <= VT::FileNameField; ++field)
            benchmark->Args({songs, field, Collection});
        benchmark->Args({songs, VT::ArtistField, RandomLetters});
    }
}

} // namespace

BENCHMARK(SortByColumn)->Name("Sort/Column")->Apply(Sizes)->Apply(EveryColumnAtEverySize);
BENCHMARK(SearchAfterSort)->Name("Search/AfterSort")->Apply(Sizes)->Args({1'000'000, VT::ArtistField, Collection});
BENCHMARK(SortByColumn)->Name("Smoke/Sort/Column")->Apply(Sizes)->Args({SmokeSize, VT::ArtistField, Collection})->Iterations(1);
BENCHMARK(SearchAfterSort)->Name("Smoke/Search/AfterSort")->Apply(Sizes)->Args({SmokeSize, VT::ArtistField, Collection})->Iterations(1);

BENCHMARK_MAIN();
