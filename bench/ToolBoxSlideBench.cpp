// One tick of the tool box's slide in the real main window, offscreen, with a large source
// shown in the song view, against the same tick over an empty view: the song view is
// resized by every tick, and its rows must not make that dearer. A tick's work includes
// the layout and the painting it causes.
#include "bench/SourceWindow.h"

namespace {

constexpr std::int64_t FullSize = 200'000;
constexpr std::int64_t SmokeSize = 2'000;

// One main window per size, showing its only source, whose songs are generated.
struct Window : SourceWindow {
    explicit Window(std::size_t count) : SourceWindow(count)
    {
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
};

void SlideTick(benchmark::State& state)
{
    Window& window = WindowOf<Window>(state);
    for (auto _ : state) {
        window.KeepSliding();
        state.SetIterationTime(Seconds([&] {
            Testing::FireTimer(*window.form.ToolBoxAnimate);
            QApplication::processEvents();
        }));
    }
    state.counters["shown"] = window.form.mp3ListView->Items().Count();
}

} // namespace

BENCHMARK(SlideTick)->Name("ToolBox/SlideTick")->Arg(FullSize)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(SlideTick)->Name("Baseline/SlideTickEmptyView")->Arg(0)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(SlideTick)->Name("Smoke/ToolBox/SlideTick")->Arg(SmokeSize)->UseManualTime();

int main(int argc, char** argv)
{
    return RunWindowBenchmarks<Window>(argc, argv);
}
