// The song view over a large source in the real main window, offscreen: showing and
// sorting it against sorting its songs alone, and one typed character of the title search
// against the filter alone.
#include "bench/RunBenchmarks.h"
#include "GeneratedSongs.h"

#include "framework/TApplication.h"
#include "framework/Testing.h"
#include "mainform/Unit1.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>

namespace {

constexpr std::int64_t FullSize = 200'000;
constexpr std::int64_t SmokeSize = 2'000;
constexpr int ArtistColumn = 2;

// One main window per size, showing nothing, whose only source holds the generated songs.
struct Window {
    explicit Window(std::size_t count)
    {
        form.UseProgramFolder(folder.Path());
        form.Show();
        while (form.FirstActivation)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        Testing::WaitForWorkers();
        source = form.Model.AddLoadedSources({GeneratedSongs::List("Music", count)}).front();
        form.SourceInfos.push_back(ListInfo{source, source->GetName(), {}});
        form.AddSourceEntry(source);
        original = source->songs;
    }

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

    TestSupport::TempFolder folder;
    TAppForm form;
    VT::ListPtr source;
    std::vector<VT::Song> original;
};

// Closed before the application goes, at the end of main.
std::map<std::int64_t, std::unique_ptr<Window>> windows;

Window& WindowOf(const benchmark::State& state)
{
    auto& window = windows[state.range(0)];
    if (!window)
        window = std::make_unique<Window>(static_cast<std::size_t>(state.range(0)));
    return *window;
}

template <class Work> double Seconds(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BaselineSortSongs(benchmark::State& state)
{
    Window& window = WindowOf(state);
    for (auto _ : state) {
        VT::PlayList copy;
        copy.songs = window.original;
        state.SetIterationTime(Seconds([&] { copy.SortByField(VT::ArtistField, 1); }));
        benchmark::DoNotOptimize(copy.songs.data());
    }
}

void ShowAndSortSource(benchmark::State& state)
{
    Window& window = WindowOf(state);
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
    Window& window = WindowOf(state);
    const VT::Filter filter({VT::Filter::Criteria(VT::Filter::Title, VT::Filter::StartsWith, "ab")});
    for (auto _ : state) {
        VT::PlayList found;
        state.SetIterationTime(Seconds([&] { filter.Apply(*window.source, found, true); }));
        benchmark::DoNotOptimize(found.songs.data());
    }
}

void TypeOneCharacter(benchmark::State& state)
{
    Window& window = WindowOf(state);
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    TApplication application(argc, argv);
    application.Initialize();
    const int result = RunBenchmarks(argc, argv);
    windows.clear();
    return result;
}
