// Dragging songs over the play-list pane in the real main window, offscreen: every move
// raises the pane's drag-over, which highlights the row under the pointer and repaints it,
// while the whole selection rides along.
#include "bench/SourceWindow.h"
#include "tests/support/QtTesting.h"

#include <QPoint>

#include <string>

namespace {

constexpr std::int64_t FullSize = 1'000;
constexpr std::int64_t SmokeSize = 10;
constexpr std::int64_t SongsPerPlayList = 10;

// A source of ten songs per play list, all of them selected, and `count` play lists, with
// a drag from the song view under way.
struct Window : SourceWindow {
    explicit Window(std::size_t count) : SourceWindow(count * SongsPerPlayList)
    {
        std::vector<VT::PlayList> lists(count);
        for (std::size_t i = 0; i < count; ++i)
            lists[i].SetName("Play list " + std::to_string(i));
        form.LoadPlayLists(std::move(lists));
        form.SelectSource(0);
        form.mp3ListView->SelectAll();
        QApplication::processEvents();
        TestSupport::PressLeft(form.mp3ListView->ClientWidget(), QPoint(40, 5));
    }

    QPoint Row(int row) const
    {
        const TRect rect = form.PlaylistListBox->ItemRect(row);
        return QPoint(rect.Left + 4, (rect.Top + rect.Bottom) / 2);
    }
};

void DragOverPlayLists(benchmark::State& state)
{
    Window& window = WindowOf<Window>(state);
    QWidget* pane = window.form.PlaylistListBox->ClientWidget();
    int row = 0;
    for (auto _ : state) {
        row = 1 - row;
        const double seconds = Seconds([&] {
            TestSupport::DragTo(pane, window.Row(row));
            QApplication::processEvents();
        });
        state.SetIterationTime(seconds / TestSupport::DragSteps);
    }
    state.counters["selected"] = window.form.mp3ListView->SelCount();
    // The row the last move highlighted: the drag was under way throughout.
    state.counters["highlighted"] = window.form.PlaylistListBox->ItemIndex();
}

} // namespace

BENCHMARK(DragOverPlayLists)->Name("DragOver/PlayListPane")->Arg(FullSize)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(DragOverPlayLists)->Name("Smoke/DragOver/PlayListPane")->Arg(SmokeSize)->UseManualTime();

int main(int argc, char** argv)
{
    return RunWindowBenchmarks<Window>(argc, argv);
}
