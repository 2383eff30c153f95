#include "catalogue/Filter.h"
#include "catalogue/FoldCase.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* Needle = "love";

// Words that never hold the needle, so only the planted ones match.
const std::vector<std::string> Words = {
    "The", "night", "Blue", "river", "of", "my", "Heart", "dancing", "in", "Rain",
    "summer", "Song", "you", "and", "me", "Broken", "dreams", "fire", "Golden", "sky",
    "road", "Home", "again", "City", "lights", "alone", "Wild", "ocean", "Tonight", "forever"};
const std::vector<std::string> Planted = {"Love", "love", "LOVE", "Lovers", "Glove", "Beloved"};

std::string MakeTitle(std::mt19937& random, bool planted)
{
    std::uniform_int_distribution<std::size_t> length(10, 40);
    std::uniform_int_distribution<std::size_t> word(0, Words.size() - 1);
    std::uniform_int_distribution<std::size_t> plant(0, Planted.size() - 1);
    const std::size_t target = length(random);
    std::vector<std::string> words;
    std::size_t size = 0;
    if (planted) {
        words.push_back(Planted[plant(random)]);
        size = words.back().size();
    }
    while (size < target) {
        const std::string& next = Words[word(random)];
        if (size + 1 + next.size() > 40)
            break;
        words.push_back(next);
        size += next.size() + (size == 0 ? 0 : 1);
    }
    std::shuffle(words.begin(), words.end(), random);
    std::string title;
    for (const std::string& w : words)
        title += (title.empty() ? "" : " ") + w;
    return title;
}

VT::PlayList MakeSongs(std::size_t count, int matchPercent)
{
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> percent(0, 99);
    VT::PlayList list;
    list.songs.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        VT::Song song;
        song.SetTitle(MakeTitle(random, percent(random) < matchPercent));
        song.SetArtist("Artist " + std::to_string(i % 997));
        song.SetAlbum("Album number " + std::to_string(i % 4999));
        song.SetYear(std::to_string(1960 + i % 60));
        song.SetGenre("Rock");
        song.SetFileName("track " + std::to_string(i) + ".mp3");
        song.SetFolder("/home/user/Music/collection " + std::to_string(i % 101));
        list.songs.push_back(std::move(song));
    }
    return list;
}

const VT::PlayList& Songs(const benchmark::State& state)
{
    static std::map<std::pair<std::int64_t, std::int64_t>, VT::PlayList> made;
    const auto key = std::make_pair(state.range(0), state.range(1));
    auto found = made.find(key);
    if (found == made.end())
        found = made.emplace(key, MakeSongs(static_cast<std::size_t>(key.first), static_cast<int>(key.second))).first;
    return found->second;
}

void FilterContains(benchmark::State& state)
{
    const VT::PlayList& input = Songs(state);
    const VT::Filter filter({VT::Filter::Criteria(VT::Filter::Title, VT::Filter::Contains, Needle)});
    std::size_t selected = 0;
    for (auto _ : state) {
        const std::vector<std::size_t> positions = filter.Select(input, true);
        selected = positions.size();
        benchmark::DoNotOptimize(selected);
    }
    state.counters["selected"] = static_cast<double>(selected);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(input.songs.size()));
}

// The floor the filter is held to: a plain search over the same titles, folding A to Z
// as the filter does, each title folded into one reused buffer and searched there.
void FoldedSearch(benchmark::State& state)
{
    const VT::PlayList& input = Songs(state);
    const std::string needle = VT::FoldCase(Needle);
    std::string folded;
    std::size_t hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (const VT::Song& song : input.songs) {
            const std::string_view title = song.GetTitle();
            folded.resize(title.size());
            std::transform(title.begin(), title.end(), folded.begin(), [](char c) { return static_cast<char>(VT::FoldByte(c)); });
            hits += folded.find(needle) != std::string::npos;
        }
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = static_cast<double>(hits);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(input.songs.size()));
}

} // namespace

BENCHMARK(FilterContains)->Name("Filter/Contains")->ArgNames({"songs", "matchPercent"})->Args({200000, 3})->Args({200000, 50});
BENCHMARK(FoldedSearch)->Name("Baseline/FoldedSearch")->ArgNames({"songs", "matchPercent"})->Args({200000, 3})->Args({200000, 50});
BENCHMARK(FilterContains)->Name("Smoke/Filter/Contains")->ArgNames({"songs", "matchPercent"})->Args({1000, 3});
BENCHMARK(FoldedSearch)->Name("Smoke/Baseline/FoldedSearch")->ArgNames({"songs", "matchPercent"})->Args({1000, 3});

BENCHMARK_MAIN();
