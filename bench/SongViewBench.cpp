// The song view over a large source in the real main window, offscreen: showing and
// sorting it against sorting its songs alone, and one typed character of the title search
// against the filter alone.
#include "bench/SourceWindow.h"

#include <QKeyEvent>
#include <QWidget>

#include <vector>

namespace {

constexpr std::int64_t FullSize = 200'000;
constexpr std::int64_t SmokeSize = 2'000;
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
    }

    void ClickSourceRow()
    {
        const TRect row = form.SourceListBox->ItemRect(0);
        form.SourceListBoxMouseUp(mbLeft, {}, row.Left + 2, row.Top + 2);
    }

    std::vector<VT::Song> original;
};

void BaselineSortSongs(benchmark::State& state)
{
    Window& window = WindowOf<Window>(state);
    for (auto _ : state) {
        VT::PlayList copy;
        copy.songs = window.original;
        state.SetIterationTime(Seconds([&] { copy.SortByField(VT::ArtistField, 1); }));
        benchmark::DoNotOptimize(copy.songs.data());
    }
}

void ShowAndSortSource(benchmark::State& state)
{
    Window& window = WindowOf<Window>(state);
    for (auto _ : state) {
        window.Reset();
        state.SetIterationTime(Seconds([&] {
            window.ClickSourceRow();
            window.form.mp3ListViewColumnClick(ArtistColumn);
        }));
    }
    state.counters["shown"] = window.form.mp3ListView->Items().Count();
}

void BaselineFilter(benchmark::State& state)
{
    Window& window = WindowOf<Window>(state);
    const VT::Filter filter({VT::Filter::Criteria(VT::Filter::Title, VT::Filter::StartsWith, "ab")});
    for (auto _ : state) {
        VT::PlayList found;
        state.SetIterationTime(Seconds([&] { filter.Apply(*window.source, found, true); }));
        benchmark::DoNotOptimize(found.songs.data());
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
