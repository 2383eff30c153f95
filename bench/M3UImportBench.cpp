// Importing an M3U file whose lines name no file beside a collection held in the sources,
// against the least such an import does: reading the file, failing to open each line's
// file, and one look at every source song's file name.
#include "bench/FloorTurns.h"
#include "bench/GeneratedSongs.h"
#include "catalogue/MP3Song.h"
#include "catalogue/PlayListManager.h"
#include "catalogue/SourceManager.h"
#include "platform/WholeFile.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <functional>
#include <string>

namespace {

// Lines that are bare file names of no file beside the M3U file; every tenth names a song
// of the sources, so the import ends with a list. None names a song whose name comes
// early in the sources only.
std::string MissingLines(const VT::PlayList& sources, std::size_t lines)
{
    std::string bytes;
    for (std::size_t line = 0; line < lines; ++line) {
        if (line % 10 == 0)
            bytes += sources.songs[(line * 7919 + sources.songs.size() / 2) % sources.songs.size()].GetFileName();
        else
            bytes += "Missing " + std::to_string(line) + ".mp3";
        bytes += "\r\n";
    }
    return bytes;
}

std::size_t Floor(const std::string& path, const std::string& folder, const VT::PlayList& sources)
{
    const std::optional<std::string> bytes = Platform::ReadWholeFile(path);
    std::size_t opened = 0;
    std::string file;
    for (std::size_t at = 0, end = 0; (end = bytes->find("\r\n", at)) != std::string::npos; at = end + 2) {
        file.assign(folder).append(*bytes, at, end - at);
        const int descriptor = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor >= 0) {
            ++opened;
            close(descriptor);
        }
    }
    std::size_t hashes = 0;
    for (const VT::Song& song : sources.songs)
        hashes += std::hash<std::string_view>{}(song.GetFileName());
    benchmark::DoNotOptimize(hashes);
    return opened;
}

void ImportMissingLines(benchmark::State& state)
{
    const VT::PlayList& collection = GeneratedSongs::Made(static_cast<std::size_t>(state.range(1)));
    VT::SourceManager sources;
    sources.Add(collection);
    const TestSupport::TempFolder folder;
    const std::string path = folder.Write("Missing.m3u", MissingLines(collection, static_cast<std::size_t>(state.range(0))));
    VT::MP3Song reading;
    int lines = 0;
    std::size_t found = 0;
    FloorTurns turns(state);
    for (auto _ : state) {
        turns.Turn([] {}, [&] { benchmark::DoNotOptimize(Floor(path, folder.Path(), collection)); },
                   [&] {
                       VT::PlayListManager lists;
                       found = lists.ImportM3U(path, folder.Path(), reading, sources, lines)->songs.size();
                   });
    }
    turns.Report("import_per_floor");
    state.counters["found"] = static_cast<double>(found);
    state.SetItemsProcessed(state.iterations() * lines);
}

} // namespace

BENCHMARK(ImportMissingLines)->Name("M3UImport/MissingLines")->ArgNames({"lines", "songs"})->Args({10000, 300000})->Args({20000, 600000})->UseManualTime()->Unit(benchmark::kMillisecond)->Apply(WithLeastAndGreatest);
BENCHMARK(ImportMissingLines)->Name("Smoke/M3UImport/MissingLines")->ArgNames({"lines", "songs"})->Args({100, 1000})->UseManualTime();

BENCHMARK_MAIN();
