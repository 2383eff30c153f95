// The start-up load of the real main window, offscreen: how long the whole load takes,
// and how long the window is blocked at most while it runs, from the start and once it
// has first been painted. The list files are read on
// the worker, so the longest block should be one adding step, far below the whole.
#include "bench/GeneratedSongs.h"
#include "bench/LoopWatch.h"
#include "bench/RunBenchmarks.h"
#include "catalogue/Catalogue.h"
#include "framework/TApplication.h"
#include "framework/WorkerRegistry.h"
#include "mainform/Unit1.h"
#include "tests/support/QtTesting.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int Sources = 3;

// A program folder of `playLists` play lists and a few sources of `songs` songs each,
// made once per size and removed when the run ends.
const TestSupport::TempFolder& ProgramFolder(int playLists, int songs)
{
    static std::map<std::pair<int, int>, std::unique_ptr<TestSupport::TempFolder>> made;
    auto& folder = made[{playLists, songs}];
    if (folder)
        return *folder;
    folder = std::make_unique<TestSupport::TempFolder>();
    const auto size = static_cast<std::size_t>(songs);
    for (int i = 0; i < playLists; ++i)
        GeneratedSongs::WriteList(*folder, "Play List " + std::to_string(i), size, VT::PlayListManager::Extension);
    for (int i = 0; i < Sources; ++i)
        GeneratedSongs::WriteList(*folder, "Source " + std::to_string(i), size, VT::SourceManager::Extension);
    return *folder;
}

// The longest time between two turns of the event loop: how long the window could not
// answer the user. Counted twice: from the start, and from the first turn after the
// window's first paint, when the user sees the window and may use it.
class BlockMeter {
public:
    explicit BlockMeter(const QWidget& window)
        : firstPaint_([&window](const QWidget& widget) { return widget.window() == &window; }),
          gaps_([this](qint64 gap) {
              longest_ = std::max(longest_, gap);
              if (lastTurnFollowedPaint_)
                  longestAfterPaint_ = std::max(longestAfterPaint_, gap);
              lastTurnFollowedPaint_ = firstPaint_.Painted();
          })
    {
    }

    double LongestSeconds() const { return static_cast<double>(longest_) / 1e9; }
    double LongestAfterPaintSeconds() const { return static_cast<double>(longestAfterPaint_) / 1e9; }
    bool Painted() const { return firstPaint_.Painted(); }

private:
    PaintWatch firstPaint_;
    qint64 longest_ = 0;
    qint64 longestAfterPaint_ = 0;
    bool lastTurnFollowedPaint_ = false;
    LoopTurnGaps gaps_;
};

// One run of the program up to the end of its load. The window and the model are torn
// down outside the timing.
void StartupLoad(benchmark::State& state)
{
    const auto& folder = ProgramFolder(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    double longestBlock = 0;
    double longestBlockAfterPaint = 0;
    double whole = 0;
    for (auto _ : state) {
        auto application = std::make_unique<TApplication>(TestSupport::ArgumentCount(), TestSupport::Arguments());
        Application->Initialize();
        Application->CreateForm(AppForm);
        AppForm->UseProgramFolder(folder.Path());
        QElapsedTimer clock;
        BlockMeter meter(*AppForm->Widget());
        clock.start();
        AppForm->Show();
        while (AppForm->FirstActivation || WorkerRegistry::Instance().Live() > 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        whole += seconds;
        longestBlock = std::max(longestBlock, meter.LongestSeconds());
        longestBlockAfterPaint = std::max(longestBlockAfterPaint, meter.LongestAfterPaintSeconds());
        if (!meter.Painted())
            state.SkipWithError("the window was never painted");
        if (AppForm->PlaylistListBox->Items().Count() != state.range(0))
            state.SkipWithError("not every play list was loaded");
        application.reset();
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["whole_ms"] = whole / iterations * 1e3;
    state.counters["longest_block_ms"] = longestBlock * 1e3;
    state.counters["block_share"] = longestBlock / (whole / iterations);
    state.counters["after_paint_block_ms"] = longestBlockAfterPaint * 1e3;
}

// The worker's part of the largest step, for comparison: reading every play-list file.
void ReadPlayListFiles(benchmark::State& state)
{
    const auto& folder = ProgramFolder(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(VT::Manager::ReadPlayListFiles(folder.Path()));
}

// The main thread's part of the largest step: adding the read play lists to the model
// and filling the pane.
void LoadPlayListsStep(benchmark::State& state)
{
    const auto& folder = ProgramFolder(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        state.PauseTiming();
        auto application = std::make_unique<TApplication>(TestSupport::ArgumentCount(), TestSupport::Arguments());
        Application->CreateForm(AppForm);
        std::vector<VT::PlayList> read = VT::Manager::ReadPlayListFiles(folder.Path());
        state.ResumeTiming();
        AppForm->LoadPlayLists(std::move(read));
        state.PauseTiming();
        application.reset();
        state.ResumeTiming();
    }
}

void Sizes(benchmark::internal::Benchmark* benchmark, int playLists, int songs)
{
    benchmark->ArgNames({"playLists", "songs"})->Args({playLists, songs})->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(StartupLoad)->Name("Startup/Load")->Apply([](auto* b) { Sizes(b, 100, 2000); })->UseManualTime()->Iterations(5);
BENCHMARK(LoadPlayListsStep)->Name("Startup/LoadPlayListsStep")->Apply([](auto* b) { Sizes(b, 100, 2000); })->Iterations(5);
BENCHMARK(ReadPlayListFiles)->Name("Baseline/ReadPlayListFiles")->Apply([](auto* b) { Sizes(b, 100, 2000); })->Iterations(5);
BENCHMARK(StartupLoad)->Name("Smoke/Startup/Load")->Apply([](auto* b) { Sizes(b, 5, 50); })->UseManualTime()->Iterations(2);
BENCHMARK(LoadPlayListsStep)->Name("Smoke/Startup/LoadPlayListsStep")->Apply([](auto* b) { Sizes(b, 5, 50); })->Iterations(2);
BENCHMARK(ReadPlayListFiles)->Name("Smoke/Baseline/ReadPlayListFiles")->Apply([](auto* b) { Sizes(b, 5, 50); })->Iterations(2);

int main(int argc, char** argv)
{
    TestSupport::EnsureOffscreenQt();
    return RunBenchmarks(argc, argv);
}
