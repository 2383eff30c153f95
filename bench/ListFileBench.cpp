#include "bench/GeneratedSongs.h"
#include "catalogue/PlayList.h"
#include "catalogue/SourceManager.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <malloc.h>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

namespace {

// One source of `count` songs, its list file alone in a folder, and a second folder to
// save into. Made once per size and removed when the run ends.
struct SourceFile {
    explicit SourceFile(std::size_t count) : list(GeneratedSongs::List("Generated", count))
    {
        list.Write(bytes);
        path = loadFolder.Write("Generated.vts", bytes);
    }

    VT::PlayList list;
    std::string bytes;
    TestSupport::TempFolder loadFolder;
    TestSupport::TempFolder saveFolder;
    std::string path;
};

const SourceFile& Data(const benchmark::State& state)
{
    static std::map<std::int64_t, std::unique_ptr<SourceFile>> made;
    std::unique_ptr<SourceFile>& data = made[state.range(0)];
    if (!data)
        data = std::make_unique<SourceFile>(static_cast<std::size_t>(state.range(0)));
    return *data;
}

void Report(benchmark::State& state, const SourceFile& data)
{
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(data.bytes.size()));
    state.counters["songs"] = static_cast<double>(state.range(0));
}

// Every case meets the heap as a program does at start-up or at close: with no freed
// memory waiting to be reused. Otherwise whether a case needs fresh pages depends on
// what ran before it, and the cases stop being comparable.
void StartOnAFreshHeap(benchmark::State& state)
{
    state.PauseTiming();
    malloc_trim(0);
    state.ResumeTiming();
}

void LoadSourceFile(benchmark::State& state)
{
    const SourceFile& data = Data(state);
    std::optional<VT::SourceManager> sources;
    for (auto _ : state) {
        StartOnAFreshHeap(state);
        sources.emplace();
        benchmark::DoNotOptimize(sources->Load(data.loadFolder.Path()));
        state.PauseTiming(); // freeing the songs is no part of reading them
        sources.reset();
        state.ResumeTiming();
    }
    Report(state, data);
}

// Everything allocated, the large blocks that malloc maps on their own included.
std::size_t HeapInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

// What the loaded songs keep on the heap, against the bytes of the file they came from.
void SourceMemory(benchmark::State& state)
{
    const SourceFile& data = Data(state);
    std::optional<VT::SourceManager> sources;
    double heapBytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        malloc_trim(0);
        const std::size_t before = HeapInUse();
        sources.emplace();
        benchmark::DoNotOptimize(sources->Load(data.loadFolder.Path()));
        heapBytes = static_cast<double>(HeapInUse() - before);
        sources.reset();
        state.ResumeTiming();
    }
    state.counters["heap_per_song"] = heapBytes / static_cast<double>(state.range(0));
    state.counters["file_per_song"] = static_cast<double>(data.bytes.size()) / static_cast<double>(state.range(0));
    state.counters["heap_per_file_byte"] = heapBytes / static_cast<double>(data.bytes.size());
}

void BaselineReadBytes(benchmark::State& state)
{
    const SourceFile& data = Data(state);
    for (auto _ : state) {
        StartOnAFreshHeap(state);
        std::string bytes(data.bytes.size(), '\0');
        std::FILE* file = std::fopen(data.path.c_str(), "rb");
        if (file == nullptr || std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size())
            state.SkipWithError("cannot read the list file");
        if (file != nullptr)
            std::fclose(file);
        benchmark::DoNotOptimize(bytes.data());
    }
    Report(state, data);
}

void SaveSourceFile(benchmark::State& state)
{
    const SourceFile& data = Data(state);
    VT::SourceManager sources;
    sources.Add(data.list);
    for (auto _ : state) {
        state.PauseTiming();
        // A list whose file is as its last save left it is not written again; a file
        // touched since is, and touching it leaves the list and the heap as they are.
        std::error_code noFileYet;
        std::filesystem::last_write_time(sources.Begin()->GetFilePath(), std::filesystem::file_time_type::clock::now(),
                                         noFileYet);
        state.ResumeTiming();
        StartOnAFreshHeap(state);
        if (!sources.Save(data.saveFolder.Path()).empty())
            state.SkipWithError("cannot save the source");
    }
    Report(state, data);
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

void BaselineWriteBytes(benchmark::State& state)
{
    const SourceFile& data = Data(state);
    const std::string path = data.saveFolder / "Baseline.bytes";
    for (auto _ : state) {
        StartOnAFreshHeap(state);
        if (!WriteBytes(path, data.bytes))
            state.SkipWithError("cannot write the bytes");
    }
    Report(state, data);
}

// The least a safe save can do: the same bytes into a new file, renamed over the old one.
void BaselineWriteTemporaryAndRename(benchmark::State& state)
{
    const SourceFile& data = Data(state);
    const std::string path = data.saveFolder / "Baseline.bytes";
    const std::string temporary = data.saveFolder / "Baseline.tmp";
    for (auto _ : state) {
        StartOnAFreshHeap(state);
        if (!WriteBytes(temporary, data.bytes) || std::rename(temporary.c_str(), path.c_str()) != 0)
            state.SkipWithError("cannot write and rename the bytes");
    }
    Report(state, data);
}

} // namespace

constexpr std::int64_t FullSize = 200'000;
constexpr std::int64_t SmokeSize = 1'000;

BENCHMARK(LoadSourceFile)->Name("Load/SourceFile")->Arg(FullSize)->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineReadBytes)->Name("Baseline/ReadBytes")->Arg(FullSize)->Unit(benchmark::kMillisecond);
BENCHMARK(SourceMemory)->Name("Memory/SourceFile")->Arg(FullSize)->Iterations(1);
BENCHMARK(SaveSourceFile)->Name("Save/SourceFile")->Arg(FullSize)->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineWriteTemporaryAndRename)->Name("Baseline/WriteTemporaryAndRename")->Arg(FullSize)->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineWriteBytes)->Name("Baseline/WriteBytes")->Arg(FullSize)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadSourceFile)->Name("Smoke/Load/SourceFile")->Arg(SmokeSize);
BENCHMARK(BaselineReadBytes)->Name("Smoke/Baseline/ReadBytes")->Arg(SmokeSize);
BENCHMARK(SourceMemory)->Name("Smoke/Memory/SourceFile")->Arg(SmokeSize)->Iterations(1);
BENCHMARK(SaveSourceFile)->Name("Smoke/Save/SourceFile")->Arg(SmokeSize);
BENCHMARK(BaselineWriteTemporaryAndRename)->Name("Smoke/Baseline/WriteTemporaryAndRename")->Arg(SmokeSize);
BENCHMARK(BaselineWriteBytes)->Name("Smoke/Baseline/WriteBytes")->Arg(SmokeSize);

BENCHMARK_MAIN();
