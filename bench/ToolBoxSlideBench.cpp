// One tick of the tool box's slide in the real main window, offscreen, with a large source
// shown in the song view, against the same tick over an empty view: the song view is
// resized by every tick, and its rows must not make that dearer. A tick's work includes
// the layout and the painting it causes.
#include "bench/RunBenchmarks.h"
#include "GeneratedSongs.h"

#include "framework/TApplication.h"
#include "framework/Testing.h"
#include "mainform/Unit1.h"
#include "tests/support/TempFolder.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>

namespace {

constexpr std::int64_t FullSize = 200'000;
constexpr std::int64_t SmokeSize = 2'000;

// One main window per size, showing its only source, whose songs are generated.
struct Window {
    explicit Window(std::size_t count)
    {
        form.UseProgramFolder(folder.Path());
        form.Show();
        while (form.FirstActivation)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        Testing::WaitForWorkers();
        const VT::ListPtr source = form.Model.AddLoadedSources({GeneratedSongs::List("Music", count)}).front();
        form.SourceInfos.push_back(ListInfo{source, source->GetName(), {}});
        form.AddSourceEntry(source);
        form.SelectSource(0);
        form.RefreshSongView();
        QApplication::processEvents();
    }

    // Starts the slide the other way once one has ended.
    void KeepSliding()
    {
        if (!form.ToolBoxAnimate->Enabled()) {
            form.ShowSearchBoxActionExecute();
            QApplication::processEvents();
        }
    }

    TestSupport::TempFolder folder;
    TAppForm form;
};

std::map<std::int64_t, std::unique_ptr<Window>> windows;

Window& WindowOf(const benchmark::State& state)
{
    auto& window = windows[state.range(0)];
    if (!window)
        window = std::make_unique<Window>(static_cast<std::size_t>(state.range(0)));
    return *window;
}

void SlideTick(benchmark::State& state)
{
    Window& window = WindowOf(state);
    for (auto _ : state) {
        window.KeepSliding();
        const auto start = std::chrono::steady_clock::now();
        Testing::FireTimer(*window.form.ToolBoxAnimate);
        QApplication::processEvents();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["shown"] = window.form.mp3ListView->Items().Count();
}

} // namespace

BENCHMARK(SlideTick)->Name("ToolBox/SlideTick")->Arg(FullSize)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(SlideTick)->Name("Baseline/SlideTickEmptyView")->Arg(0)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(SlideTick)->Name("Smoke/ToolBox/SlideTick")->Arg(SmokeSize)->UseManualTime();

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
