// The song view over a large source in the real main window, offscreen: showing and
// sorting it, and one typed character of the title search until the view has painted
// its answer, against the filter plus one repaint of the view.
#include "bench/LoopWatch.h"
#include "bench/SourceWindow.h"

#include <QWidget>

#include <cstdint>
#include <vector>

namespace {

constexpr std::int64_t FullSize = 200'000;
constexpr std::int64_t SmokeSize = 2'000;
constexpr int ArtistColumn = VT::ArtistField + 1;

// One main window per size, showing nothing, whose only source holds the generated songs.
struct Window : SourceWindow {
    explicit Window(std::size_t count) : SourceWindow(count), original(source->songs) {}

    // Back to nothing shown and the source in its generated order, as at the start.
    void Reset()
    {
        form.ShowNoSelection();
        form.ShownSongs = std::make_shared<const VT::PlayList>();
        GeneratedSongs::Refill(source.Edit().songs, original);
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

// The title box holds "T"; the work is typing "r" after it, until the view has painted
// the titles that start with "Tr" (a quarter of a collection's are "Track ...").
void TypeOneCharacter(benchmark::State& state)
{
    Window& window = WindowOf<Window>(state);
    window.Reset();
    window.ClickSourceRow();
    window.form.TitleEditClick();
    QWidget* edit = window.form.TitleEdit->Widget();
    QWidget* view = window.form.mp3ListView->ClientWidget();
    const VT::Filter filter({VT::Filter::Criteria(VT::Filter::Title, VT::Filter::StartsWith, "Tr")});
    FloorTurns turns(state);
    for (auto _ : state) {
        turns.Turn(
            [&] {
                window.form.TitleEdit->SetText("T");
                Testing::ProcessIdle();
            },
            [&] {
                benchmark::DoNotOptimize(filter.Select(*window.source, true).data());
                view->repaint();
            },
            [&] {
                Step::Measure([&] { QueueKey(edit, Qt::Key_R, "r"); },
                              [&] { return window.form.TitleEdit->Text() == "Tr"; }, view);
            });
    }
    turns.Report("keystroke_per_floor");
    state.counters["shown"] = window.form.mp3ListView->Items().Count();
}

} // namespace

BENCHMARK(ShowAndSortSource)->Name("View/ShowAndSortSource")->Arg(FullSize)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(TypeOneCharacter)->Name("View/TypeOneCharacter")->Arg(FullSize)->UseManualTime()->Apply(WithLeastAndGreatest)->Unit(benchmark::kMillisecond);
BENCHMARK(ShowAndSortSource)->Name("Smoke/View/ShowAndSortSource")->Arg(SmokeSize)->Iterations(2)->UseManualTime();
BENCHMARK(TypeOneCharacter)->Name("Smoke/View/TypeOneCharacter")->Arg(SmokeSize)->UseManualTime();

int main(int argc, char** argv)
{
    return RunWindowBenchmarks<Window>(argc, argv);
}
