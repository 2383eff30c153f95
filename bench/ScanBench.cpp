#include "catalogue/MP3Song.h"
#include "catalogue/SourceManager.h"
#include "tests/support/Mp3Writer.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr std::size_t FileBytes = 2048;
constexpr std::size_t TagBytes = 128;

// One folder of tagged MP3 files per size, written once and removed when the run ends.
const TestSupport::TempFolder& MusicFolder(const benchmark::State& state)
{
    static std::map<std::int64_t, std::unique_ptr<TestSupport::TempFolder>> folders;
    std::unique_ptr<TestSupport::TempFolder>& folder = folders[state.range(0)];
    if (!folder) {
        folder = std::make_unique<TestSupport::TempFolder>();
        TestSupport::Id3v1 tag;
        tag.artist = "Band";
        tag.album = "Album";
        tag.year = "1999";
        tag.genre = 13;
        for (std::int64_t i = 0; i < state.range(0); ++i) {
            tag.title = "Song " + std::to_string(i);
            folder->Write("song " + std::to_string(i) + ".mp3", TestSupport::Mp3Bytes(tag, FileBytes - TagBytes));
        }
    }
    return *folder;
}

void ScanAddSource(benchmark::State& state)
{
    const std::string& folder = MusicFolder(state).Path();
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
    const std::string& folder = MusicFolder(state).Path();
    char tag[TagBytes];
    for (auto _ : state) {
        std::size_t read = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::FILE* file = std::fopen(entry.path().c_str(), "rb");
            if (file == nullptr)
                continue;
            if (std::fseek(file, -static_cast<long>(TagBytes), SEEK_END) == 0 && std::fread(tag, 1, TagBytes, file) == TagBytes)
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
