// Opening the song view's popup in the real main window, offscreen, with many play lists:
// the "Add to Play List..." sub-menu is built anew, one item per play list, every time the
// popup opens, so the user waits for it on each right click.
#include "bench/SourceWindow.h"

#include <QMenu>

#include <string>

namespace {

constexpr std::int64_t FullSize = 1'000;
constexpr std::int64_t SmokeSize = 10;

// A window showing a small source with one song selected, and `count` empty play lists.
struct Window : SourceWindow {
    explicit Window(std::size_t count) : SourceWindow(10)
    {
        std::vector<VT::PlayList> lists(count);
        for (std::size_t i = 0; i < count; ++i)
            lists[i].SetName("Play list " + std::to_string(i));
        form.LoadPlayLists(std::move(lists));
        form.SelectSource(0);
        form.mp3ListView->SetSelected(0, true);
        QApplication::processEvents();
    }
};

void OpenSongPopup(benchmark::State& state)
{
    Window& window = WindowOf<Window>(state);
    TPopupMenu& popup = *window.form.Mp3PopupMenu;
    for (auto _ : state) {
        state.SetIterationTime(Seconds([&] { popup.Popup(100, 100); }));
        popup.Menu()->hide();
        QApplication::processEvents();
    }
    state.counters["items"] = window.form.AddToPlaylist1->Count();
}

} // namespace

BENCHMARK(OpenSongPopup)->Name("Popup/SongViewWithPlayLists")->Arg(FullSize)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(OpenSongPopup)->Name("Smoke/Popup/SongViewWithPlayLists")->Arg(SmokeSize)->UseManualTime();

int main(int argc, char** argv)
{
    return RunWindowBenchmarks<Window>(argc, argv);
}
