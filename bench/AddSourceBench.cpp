// Adding a music folder through the window (source dialog answered, progress window
// showing and counting, offscreen) against the model's own scan of the same folder with
// no progress callback, in one run: the window's share is the ratio.
#include "catalogue/Catalogue.h"
#include "dialogs/loadprogressbarform.h"
#include "dialogs/messagebox.h"
#include "dialogs/opensourcedialog.h"
#include "framework/TApplication.h"
#include "framework/Testing.h"
#include "framework/WorkerRegistry.h"
#include "mainform/Unit1.h"
#include "bench/RunBenchmarks.h"
#include "bench/TaggedMusicFolder.h"
#include "tests/support/QtTesting.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

#include <memory>
#include <optional>
#include <string>

namespace {

double Seconds(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

// The window's scan, from OK in the source dialog to the window enabled again. The folder
// was opened in the dialog before, as the user does before pressing OK. Nothing when the
// source was not added.
std::optional<double> ScanThroughWindow(const std::string& folder, const TestSupport::TempFolder& programFolder)
{
    auto application = std::make_unique<TApplication>(TestSupport::ArgumentCount(), TestSupport::Arguments());
    Application->Initialize();
    Application->CreateForm(AppForm);
    Application->CreateForm(OpenSourceDlg);
    Application->CreateForm(LoadProgressBar);
    Application->CreateForm(MessageDialog);
    AppForm->UseProgramFolder(programFolder.Path());
    OpenSourceDlg->DirectoryListBox->SetDirectory(folder);
    Testing::SetModalHook([](TForm&) {
        OpenSourceDlg->OkClick();
        return OpenSourceDlg->ModalResult();
    });
    QElapsedTimer clock;
    clock.start();
    AppForm->AddSourceClick();
    while (!AppForm->Enabled() || WorkerRegistry::Instance().Live() > 0)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = Seconds(clock);
    if (AppForm->SourceListBox->Items().Count() != 1)
        return std::nullopt;
    return seconds;
}

void AddSourceRatio(benchmark::State& state)
{
    const TestSupport::TempFolder& music = TaggedMusicFolder(state.range(0));
    const TestSupport::TempFolder programFolder;
    double window = 0;
    double model = 0;
    for (auto _ : state) {
        const std::optional<double> scanned = ScanThroughWindow(music.PathWithoutSeparator(), programFolder);
        if (!scanned) {
            state.SkipWithError("the source was not added");
            break;
        }
        const double throughWindow = *scanned;
        QElapsedTimer clock;
        clock.start();
        VT::Manager manager;
        benchmark::DoNotOptimize(manager.AddSource(music.Path()));
        const double plain = Seconds(clock);
        state.SetIterationTime(throughWindow);
        window += throughWindow;
        model += plain;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["window_ms"] = window / iterations * 1e3;
    state.counters["model_ms"] = model / iterations * 1e3;
    state.counters["ratio"] = window / model;
}

} // namespace

BENCHMARK(AddSourceRatio)->Name("AddSource/Smoke")->Arg(50)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(AddSourceRatio)->Name("AddSource/Ratio")->Arg(20000)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    TestSupport::EnsureOffscreenQt();
    return RunBenchmarks(argc, argv);
}
