// The song view over a large source in the real main window, offscreen: showing and
// sorting it against sorting its songs alone, and one typed character of the title search
// against the filter alone.
#include "bench/SourceWindow.h"

#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr std::int64_t FullSize = 200'000;
constexpr std::int64_t SmokeSize = 2'000;
// The sizes whose cost per song is compared.
constexpr std::int64_t ScalingLow = 100'000;
constexpr std::int64_t ScalingHigh = 1'000'000;
constexpr int ArtistColumn = 2;

// One main window per size, showing nothing, whose only source holds the generated songs.
struct Window : SourceWindow {
    explicit Window(std::size_t count) : SourceWindow(count), original(source->songs) {}

    // Back to nothing shown and the source in its generated order, as at the start.
    void Reset()
    {
        form.ShowNoSelection();
        form.ShownSongs = std::make_shared<const VT::PlayList>();
        // The old songs go first, so that the allocator tidies up after them here and not
        // in the timed part; then a fresh copy, laid out in memory as a loaded source is.
        std::vector<VT::Song>& songs = source.Edit().songs;
        songs = {};
        songs = original;
        form.LastSortColumn = 0;
        form.SortDirection = 1;
        EvictCaches();
    }

    // A list is sorted long after it was loaded: the copy just made must not be in the
    // cache, where a small list would fit and a large one not.
    static void EvictCaches()
    {
        // Read, not written, so that no write-back of it falls into the timed part.
        static const std::vector<unsigned char> other(std::size_t{256} << 20, 1);
        std::size_t sum = 0;
        for (const unsigned char byte : other)
            sum += byte;
        benchmark::DoNotOptimize(sum);
    }

    void ClickSourceRow()
    {
        const TRect row = form.SourceListBox->ItemRect(0);
        form.SourceListBoxMouseUp(mbLeft, {}, row.Left + 2, row.Top + 2);
    }

    std::vector<VT::Song> original;
};

// The floor of a sort by one column: std::sort of (text, position) pairs of that column.
void BaselineSortSongs(benchmark::State& state)
{
    Window& window = WindowOf<Window>(state);
    std::vector<std::pair<std::string_view, std::uint32_t>> keys;
    for (auto _ : state) {
        keys.clear();
        for (std::uint32_t at = 0; at < window.original.size(); ++at)
            keys.emplace_back(window.original[at].GetArtist(), at);
        state.SetIterationTime(Seconds([&] { std::sort(keys.begin(), keys.end()); }));
        benchmark::DoNotOptimize(keys.data());
    }
}

void ShowAndSortSource(benchmark::State& state)
{
    Window& window = WindowOf<Window>(state);
    double seconds = 0;
    for (auto _ : state) {
        window.Reset();
        const double iteration = Seconds([&] {
            window.ClickSourceRow();
            window.form.mp3ListViewColumnClick(ArtistColumn);
        });
        state.SetIterationTime(iteration);
        seconds += iteration;
    }
    state.counters["shown"] = window.form.mp3ListView->Items().Count();
    // Held against the same figure at another size, it tells how the sort scales.
    state.counters["nsPerSong"] = seconds * 1e9 / static_cast<double>(state.iterations() * state.range(0));
}

void BaselineFilter(benchmark::State& state)
{
    Window& window = WindowOf<Window>(state);
    const VT::Filter filter({VT::Filter::Criteria(VT::Filter::Title, VT::Filter::StartsWith, "ab")});
    for (auto _ : state) {
        std::vector<std::size_t> found;
        state.SetIterationTime(Seconds([&] { found = filter.Select(*window.source, true); }));
        benchmark::DoNotOptimize(found.data());
    }
}

void TypeOneCharacter(benchmark::State& state)
{
    Window& window = WindowOf<Window>(state);
    window.Reset();
    window.ClickSourceRow();
    window.form.TitleEditClick();
    QWidget* edit = window.form.TitleEdit->Widget();
    // The title box holds "a"; the timed work is typing "b" after it.
    for (auto _ : state) {
        window.form.TitleEdit->SetText("a");
        QKeyEvent press(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b");
        state.SetIterationTime(Seconds([&] { QApplication::sendEvent(edit, &press); }));
    }
    state.counters["shown"] = window.form.mp3ListView->Items().Count();
}

} // namespace

BENCHMARK(ShowAndSortSource)->Name("View/ShowAndSortSource")->Arg(FullSize)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ShowAndSortSource)->Name("Scaling/View/ShowAndSortSource")->Arg(ScalingLow)->Arg(ScalingHigh)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineSortSongs)->Name("Baseline/SortSongs")->Arg(FullSize)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(TypeOneCharacter)->Name("View/TypeOneCharacter")->Arg(FullSize)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineFilter)->Name("Baseline/Filter")->Arg(FullSize)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ShowAndSortSource)->Name("Smoke/View/ShowAndSortSource")->Arg(SmokeSize)->UseManualTime();
BENCHMARK(BaselineSortSongs)->Name("Smoke/Baseline/SortSongs")->Arg(SmokeSize)->UseManualTime();
BENCHMARK(TypeOneCharacter)->Name("Smoke/View/TypeOneCharacter")->Arg(SmokeSize)->UseManualTime();
BENCHMARK(BaselineFilter)->Name("Smoke/Baseline/Filter")->Arg(SmokeSize)->UseManualTime();

int main(int argc, char** argv)
{
    return RunWindowBenchmarks<Window>(argc, argv);
}
