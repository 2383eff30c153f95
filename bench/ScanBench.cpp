#include "catalogue/MP3Song.h"
#include "catalogue/SourceManager.h"
#include "bench/TaggedMusicFolder.h"

#include <benchmark/benchmark.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t TagSize = 128;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double TimeAddSource(const std::string& folder)
{
    const auto start = Clock::now();
    VT::SourceManager sources;
    VT::MP3Song reading;
    const VT::ListPtr source = sources.AddSource(folder, reading, {});
    benchmark::DoNotOptimize(source->songs.data());
    return SecondsSince(start);
}

// The least any program does to read every tag of a folder: list it, then per file the
// four system calls open, fstat (it must be a regular file, long enough), pread, close.
double TimeListOpenReadClose(const std::string& folder)
{
    const auto start = Clock::now();
    std::vector<std::string> names;
    if (DIR* listing = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(listing))
            names.emplace_back(entry->d_name);
        closedir(listing);
    }
    char tag[TagSize];
    std::size_t read = 0;
    std::string path = folder;
    for (const std::string& name : names) {
        path.resize(folder.size());
        path += name;
        const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (file < 0)
            continue;
        struct stat status {};
        if (fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_size >= static_cast<off_t>(TagSize)
            && pread(file, tag, TagSize, status.st_size - static_cast<off_t>(TagSize)) == static_cast<ssize_t>(TagSize))
            ++read;
        close(file);
    }
    benchmark::DoNotOptimize(read);
    return SecondsSince(start);
}

// Both sides alternate within one run, so a load that comes and goes weighs on both
// alike; `floor_ratio` is the scan's time over the floor's.
void ScanAddSource(benchmark::State& state)
{
    const std::string& folder = TaggedMusicFolder(state.range(0)).Path();
    double scan = 0;
    double floor = 0;
    for (auto _ : state) {
        floor += TimeListOpenReadClose(folder);
        const double seconds = TimeAddSource(folder);
        scan += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["floor_ms"] = floor / static_cast<double>(state.iterations()) * 1e3;
    state.counters["floor_ratio"] = scan / floor;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BaselineListOpenReadClose(benchmark::State& state)
{
    const std::string& folder = TaggedMusicFolder(state.range(0)).Path();
    for (auto _ : state)
        state.SetIterationTime(TimeListOpenReadClose(folder));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(ScanAddSource)->Name("Scan/AddSource")->Arg(20000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineListOpenReadClose)->Name("Baseline/ListOpenReadClose")->Arg(20000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ScanAddSource)->Name("Smoke/Scan/AddSource")->Arg(200)->UseManualTime();
BENCHMARK(BaselineListOpenReadClose)->Name("Smoke/Baseline/ListOpenReadClose")->Arg(200)->UseManualTime();

BENCHMARK_MAIN();
