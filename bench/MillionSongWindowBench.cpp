// The real main window, offscreen, over a program folder holding one source of a million
// songs, driven as a user would: start until the source's row is listed, a click on it
// until its songs are painted, a sort by each column, one key in the title box, and
// closing; then a fresh window over the same folder closed with nothing changed, and one
// over a folder holding a play list of as many songs, renamed, which writes its file.
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
#include <filesystem>
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

// A program folder whose only list is one list of `songs` songs, a source or a play list
// by the extension, made once per size and removed when the run ends.
const TestSupport::TempFolder& ProgramFolder(std::int64_t songs, std::string_view extension)
{
    static std::map<std::pair<std::int64_t, std::string_view>, std::unique_ptr<TestSupport::TempFolder>> made;
    auto& folder = made[{songs, extension}];
    if (!folder) {
        folder = std::make_unique<TestSupport::TempFolder>();
        GeneratedSongs::WriteList(*folder, "Music", static_cast<std::size_t>(songs), extension);
    }
    return *folder;
}

using Steps = std::vector<std::pair<std::string, Step::Figures>>;

// A fresh application and its main window over the folder, shown until the pane lists
// the folder's list (the step "start"), and its load ended, as before the user's first click.
std::unique_ptr<TApplication> StartWindow(const std::string& folder, TListBox* TAppForm::*pane, Steps& steps)
{
    auto application = std::make_unique<TApplication>(TestSupport::ArgumentCount(), TestSupport::Arguments());
    Application->Initialize();
    Application->CreateForm(AppForm);
    TAppForm& form = *AppForm;
    form.UseProgramFolder(folder);
    TListBox& listed = *(form.*pane);
    steps.emplace_back("start", Step::Measure([&form] { form.Show(); }, [&listed] { return listed.Items().Count() == 1; },
                                              listed.ClientWidget()));
    while (form.FirstActivation || WorkerRegistry::Instance().Live() > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return application;
}

// A click on the first row of the pane, until the view has painted the list's songs.
Step::Figures ShowFirstList(TAppForm& form, TListBox& pane, std::int64_t songs)
{
    const TRect row = pane.ItemRect(0);
    TListView& view = *form.mp3ListView;
    return Step::Measure([&] { QueueClick(pane.ClientWidget(), {row.Left + 4, (row.Top + row.Bottom) / 2}); },
                  [&] { return static_cast<std::int64_t>(view.Items().Count()) == songs; }, view.ClientWidget());
}

Step::Figures Close(TAppForm& form)
{
    QWidget* window = form.Widget();
    return Step::Measure([window] { QTimer::singleShot(0, window, &QWidget::close); },
                         [window] { return !window->isVisible(); }, nullptr);
}

// A fresh window over the same folder, closed at once: nothing changed, nothing is written.
Step::Figures CloseUnchanged(const std::string& folder)
{
    Steps started;
    const auto application = StartWindow(folder, &TAppForm::SourceListBox, started);
    return Close(*AppForm);
}

// The shown play list of `songs` songs renamed, its file written at once on a worker; the
// name goes back and forth from one run to the next.
Step::Figures RenameBigList(const TestSupport::TempFolder& folder, std::int64_t songs)
{
    Steps started;
    const auto application = StartWindow(folder.Path(), &TAppForm::PlaylistListBox, started);
    TAppForm& form = *AppForm;
    ShowFirstList(form, *form.PlaylistListBox, songs);
    const std::string name = form.PlayListInfos.at(0).Name == "Music" ? "Renamed" : "Music";
    const std::string file = folder / (name + std::string(VT::PlayListManager::Extension));
    const Step::Figures renamed = Step::Measure(
        [&] { QTimer::singleShot(0, [&] { form.RenamePlayList(name); }); },
        [&] { return WorkerRegistry::Instance().Live() == 0 && std::filesystem::exists(file); }, nullptr);
    Close(form);
    return renamed;
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
    const TestSupport::TempFolder& folder = ProgramFolder(songs, VT::SourceManager::Extension);
    Counters counters;
    for (auto _ : state) {
        Steps steps;
        auto application = StartWindow(folder.Path(), &TAppForm::SourceListBox, steps);
        TAppForm& form = *AppForm;
        TListView& view = *form.mp3ListView;
        QWidget* titleBox = form.TitleEdit->Widget();
        const auto rowsShown = [&view] { return static_cast<std::int64_t>(view.Items().Count()); };

        steps.emplace_back("show", ShowFirstList(form, *form.SourceListBox, songs));

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
        steps.emplace_back("close", Close(form));
        application.reset();
        steps.emplace_back("close_unchanged", CloseUnchanged(folder.Path()));
        steps.emplace_back("rename", RenameBigList(ProgramFolder(songs, VT::PlayListManager::Extension), songs));

        double whole = 0;
        for (const auto& [name, figures] : steps) {
            counters.Add(name, figures);
            whole += figures.ms;
        }
        state.SetIterationTime(whole / 1e3);
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
