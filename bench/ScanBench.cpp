#include "catalogue/MP3Song.h"
#include "catalogue/SourceManager.h"
#include "bench/TaggedMusicFolder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

void ScanAddSource(benchmark::State& state)
{
    const std::string& folder = TaggedMusicFolder(state.range(0)).Path();
    for (auto _ : state) {
        VT::SourceManager sources;
        VT::MP3Song reading;
        const VT::ListPtr source = sources.AddSource(folder, reading, {});
        benchmark::DoNotOptimize(source->songs.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What a straightforward program does to read every tag of a folder.
void BaselineListOpenReadClose(benchmark::State& state)
{
    const std::string& folder = TaggedMusicFolder(state.range(0)).Path();
    char tag[128];
    for (auto _ : state) {
        std::size_t read = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::FILE* file = std::fopen(entry.path().c_str(), "rb");
            if (file == nullptr)
                continue;
            if (std::fseek(file, -128L, SEEK_END) == 0 && std::fread(tag, 1, sizeof tag, file) == sizeof tag)
                ++read;
            std::fclose(file);
        }
        benchmark::DoNotOptimize(read);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(ScanAddSource)->Name("Scan/AddSource")->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineListOpenReadClose)->Name("Baseline/ListOpenReadClose")->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanAddSource)->Name("Smoke/Scan/AddSource")->Arg(200);
BENCHMARK(BaselineListOpenReadClose)->Name("Smoke/Baseline/ListOpenReadClose")->Arg(200);

BENCHMARK_MAIN();
