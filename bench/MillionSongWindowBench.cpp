// The real main window, offscreen, over a program folder holding one source of a million
// songs, driven as a user would: start until the source's row is listed, a click on it
// until its songs are painted, a sort by each column, one key in the title box, and
// closing.
// Each step gives how long it took and the longest time the window could not answer
// during it; a step may block the window 100 ms at most, the sort 300 ms.
#include "bench/FloorTurns.h"
#include "bench/GeneratedSongs.h"
#include "bench/LoopWatch.h"
#include "bench/RunBenchmarks.h"
#include "catalogue/Manager.h"
#include "framework/TApplication.h"
#include "framework/WorkerRegistry.h"
#include "mainform/Unit1.h"
#include "tests/support/QtTesting.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <QWidget>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t FullSize = 1'000'000;
constexpr std::int64_t SmokeSize = 3'000;
// The columns a click on whose header sorts the songs, and their steps' names.
constexpr std::array<std::pair<int, const char*>, 6> SortColumns = {{{VT::TitleField + 1, "sort_title"},
                                                                     {VT::ArtistField + 1, "sort_artist"},
                                                                     {VT::AlbumField + 1, "sort_album"},
                                                                     {VT::YearField + 1, "sort_year"},
                                                                     {VT::GenreField + 1, "sort_genre"},
                                                                     {VT::FileNameField + 1, "sort_file"}}};

// A program folder whose only list is one source of `songs` songs, made once per size and
// removed when the run ends.
const TestSupport::TempFolder& ProgramFolder(std::int64_t songs)
{
    static std::map<std::int64_t, std::unique_ptr<TestSupport::TempFolder>> made;
    auto& folder = made[songs];
    if (!folder) {
        folder = std::make_unique<TestSupport::TempFolder>();
        GeneratedSongs::WriteList(*folder, "Music", static_cast<std::size_t>(songs), VT::SourceManager::Extension);
    }
    return *folder;
}

// The figures of every step over the repetitions, each step's own counter names.
class Counters {
public:
    void Add(const std::string& step, const Step::Figures& figures)
    {
        sums_[step + "_ms"] += figures.ms;
        sums_[step + "_block_ms"] += figures.blockMs;
    }

    void Report(benchmark::State& state) const
    {
        for (const auto& [name, sum] : sums_)
            state.counters[name] = benchmark::Counter(sum, benchmark::Counter::kAvgIterations);
    }

private:
    std::map<std::string, double> sums_;
};

void MillionSongWindow(benchmark::State& state)
{
    const std::int64_t songs = state.range(0);
    const TestSupport::TempFolder& folder = ProgramFolder(songs);
    Counters counters;
    for (auto _ : state) {
        auto application = std::make_unique<TApplication>(TestSupport::ArgumentCount(), TestSupport::Arguments());
        Application->Initialize();
        Application->CreateForm(AppForm);
        TAppForm& form = *AppForm;
        form.UseProgramFolder(folder.Path());
        TListBox& sources = *form.SourceListBox;
        TListView& view = *form.mp3ListView;
        QWidget* titleBox = form.TitleEdit->Widget();
        const auto rowsShown = [&view] { return static_cast<std::int64_t>(view.Items().Count()); };
        std::vector<std::pair<std::string, Step::Figures>> steps;

        steps.emplace_back("start", Step::Measure([&form] { form.Show(); },
                                                  [&sources] { return sources.Items().Count() == 1; },
                                                  sources.ClientWidget()));
        // The rest of the load ends before the user's first click.
        while (form.FirstActivation || WorkerRegistry::Instance().Live() > 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

        const TRect row = sources.ItemRect(0);
        steps.emplace_back("show", Step::Measure(
                                       [&] { QueueClick(sources.ClientWidget(), {row.Left + 4, (row.Top + row.Bottom) / 2}); },
                                       [&] { return rowsShown() == songs; }, view.ClientWidget()));

        auto* table = static_cast<QTableView*>(view.Widget());
        QHeaderView* header = table->horizontalHeader();
        for (const auto& sortColumn : SortColumns) {
            const int column = sortColumn.first;
            table->scrollTo(table->model()->index(0, column)); // as the user scrolls to a column out of sight
            const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                                header->height() / 2);
            steps.emplace_back(sortColumn.second, Step::Measure([&] { QueueClick(header->viewport(), middle); },
                                                   [&] { return form.LastSortColumn == column && rowsShown() == songs; },
                                                   view.ClientWidget()));
        }

        steps.emplace_back("title_click", Step::Measure([&] { QueueClick(titleBox, titleBox->rect().center()); },
                                                        [&] { return form.TitleEdit->Text().empty(); }, nullptr));
        steps.emplace_back("type", Step::Measure([&] { QueueKey(titleBox, Qt::Key_A, "a"); },
                                                 [&] { return form.TitleEdit->Text() == "a" && rowsShown() < songs; },
                                                 view.ClientWidget()));

        QWidget* window = form.Widget();
        steps.emplace_back("close", Step::Measure([window] { QTimer::singleShot(0, window, &QWidget::close); },
                                                  [window] { return !window->isVisible(); }, nullptr));

        double whole = 0;
        for (const auto& [name, figures] : steps) {
            counters.Add(name, figures);
            whole += figures.ms;
        }
        state.SetIterationTime(whole / 1e3);
        application.reset();
    }
    counters.Report(state);
}

void Settings(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgName("songs")->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
    benchmark->Apply(WithLeastAndGreatest);
}

} // namespace

BENCHMARK(MillionSongWindow)->Name("Window/MillionSongs")->Arg(FullSize)->Apply(Settings);
BENCHMARK(MillionSongWindow)->Name("Smoke/Window/MillionSongs")->Arg(SmokeSize)->Apply(Settings);

int main(int argc, char** argv)
{
    TestSupport::EnsureOffscreenQt();
    return RunBenchmarks(argc, argv);
}
