#include "bench/FloorTurns.h"
#include "bench/GeneratedSongs.h"
#include "catalogue/PlayList.h"
#include "catalogue/SourceManager.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

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
void StartOnAFreshHeap()
{
    malloc_trim(0);
}

// The least a load can do: the file's bytes read in one go into memory that nothing
// wrote before, as the load's own blocks are.
void ReadIntoFreshMemory(benchmark::State& state, const std::string& path, std::size_t size)
{
    const std::unique_ptr<char[]> bytes(new char[size]);
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0 || read(file, bytes.get(), size) != static_cast<ssize_t>(size))
        state.SkipWithError("cannot read the list file");
    if (file >= 0)
        close(file);
    benchmark::DoNotOptimize(bytes.get());
}

void LoadSourceFile(benchmark::State& state)
{
    const SourceFile& data = Data(state);
    std::optional<VT::SourceManager> sources;
    FloorTurns turns(state);
    for (auto _ : state) {
        turns.Turn(
            [&] {
                sources.reset(); // freeing the songs is no part of reading them
                StartOnAFreshHeap();
            },
            [&] { ReadIntoFreshMemory(state, data.path, data.bytes.size()); },
            [&] { benchmark::DoNotOptimize(sources.emplace().Load(data.loadFolder.Path())); });
    }
    turns.Report("load_per_floor");
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
        StartOnAFreshHeap();
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

// The least a safe save can do: the same bytes into a new file, synced, renamed over the
// old one.
void WriteSyncAndRename(benchmark::State& state, const std::string& bytes, const std::string& temporary,
                        const std::string& path)
{
    const int file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool written = file >= 0 && write(file, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size())
                         && fsync(file) == 0;
    if (file >= 0 && close(file) == 0 && written && std::rename(temporary.c_str(), path.c_str()) == 0)
        return;
    state.SkipWithError("cannot write, sync and rename the bytes");
}

void SaveSourceFile(benchmark::State& state)
{
    const SourceFile& data = Data(state);
    const std::string floorPath = data.saveFolder / "Floor.bytes";
    const std::string floorTemporary = data.saveFolder / "Floor.tmp";
    VT::SourceManager sources;
    sources.Add(data.list);
    FloorTurns turns(state);
    for (auto _ : state) {
        turns.Turn(
            [&] {
                // A list whose file is as its last save left it is not written again; a
                // file touched since is, and touching it leaves the list and the heap as
                // they are.
                std::error_code noFileYet;
                std::filesystem::last_write_time(sources.Begin()->GetFilePath(),
                                                 std::filesystem::file_time_type::clock::now(), noFileYet);
                StartOnAFreshHeap();
            },
            [&] { WriteSyncAndRename(state, data.bytes, floorTemporary, floorPath); },
            [&] {
                if (!sources.Save(data.saveFolder.Path()).empty())
                    state.SkipWithError("cannot save the source");
            });
    }
    turns.Report("save_per_floor");
    Report(state, data);
}

} // namespace

constexpr std::int64_t FullSize = 200'000;
constexpr std::int64_t SmokeSize = 1'000;

BENCHMARK(LoadSourceFile)->Name("Load/SourceFile")->Arg(FullSize)->UseManualTime()->Apply(WithLeastAndGreatest)->Unit(benchmark::kMillisecond);
BENCHMARK(SourceMemory)->Name("Memory/SourceFile")->Arg(FullSize)->Iterations(1);
BENCHMARK(SaveSourceFile)->Name("Save/SourceFile")->Arg(FullSize)->UseManualTime()->Apply(WithLeastAndGreatest)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadSourceFile)->Name("Smoke/Load/SourceFile")->Arg(SmokeSize)->UseManualTime();
BENCHMARK(SourceMemory)->Name("Smoke/Memory/SourceFile")->Arg(SmokeSize)->Iterations(1);
BENCHMARK(SaveSourceFile)->Name("Smoke/Save/SourceFile")->Arg(SmokeSize)->UseManualTime();

BENCHMARK_MAIN();
