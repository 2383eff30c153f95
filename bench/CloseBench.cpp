// Closing the program: saving every source and play list when none of them changed since
// it was loaded, over a million songs in a few lists.
#include "bench/GeneratedSongs.h"
#include "catalogue/Manager.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace {

constexpr int SourceFiles = 2;
constexpr int PlayListFiles = 2;

// A program folder of list files holding `songs` songs in all, loaded into one model as
// the program does at start-up. Made once per size and removed when the run ends.
struct LoadedFolder {
    explicit LoadedFolder(std::size_t songs)
    {
        const std::size_t perList = songs / (SourceFiles + PlayListFiles);
        for (int number = 0; number < SourceFiles + PlayListFiles; ++number) {
            const bool isSource = number < SourceFiles;
            GeneratedSongs::WriteList(folder, (isSource ? "Source " : "Play list ") + std::to_string(number), perList,
                                      isSource ? VT::SourceManager::Extension : VT::PlayListManager::Extension);
        }
        model.LoadSources(folder.Path());
        model.LoadPlayLists(folder.Path());
    }

    TestSupport::TempFolder folder;
    VT::Manager model;
};

LoadedFolder& Data(const benchmark::State& state)
{
    static std::map<std::int64_t, std::unique_ptr<LoadedFolder>> made;
    std::unique_ptr<LoadedFolder>& data = made[state.range(0)];
    if (!data)
        data = std::make_unique<LoadedFolder>(static_cast<std::size_t>(state.range(0)));
    return *data;
}

void CloseUnchangedSinceLoad(benchmark::State& state)
{
    LoadedFolder& data = Data(state);
    for (auto _ : state) {
        if (!data.model.SaveSources(data.folder.Path()).empty() || !data.model.SavePlayLists(data.folder.Path()).empty())
            state.SkipWithError("cannot save the lists");
    }
    state.counters["songs"] = static_cast<double>(state.range(0));
}

} // namespace

constexpr std::int64_t FullSize = 1'000'000;
constexpr std::int64_t SmokeSize = 1'000;

BENCHMARK(CloseUnchangedSinceLoad)->Name("Close/UnchangedSinceLoad")->Arg(FullSize)->Unit(benchmark::kMillisecond);
BENCHMARK(CloseUnchangedSinceLoad)->Name("Smoke/Close/UnchangedSinceLoad")->Arg(SmokeSize);

BENCHMARK_MAIN();
