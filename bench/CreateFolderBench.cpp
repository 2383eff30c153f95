// Create Folder through the dialog (OK pressed, the worker's copy loop with its progress
// steps, the M3U write and the reset, offscreen) against std::filesystem::copy_file of
// the same files into a fresh folder of the same file system, in one run: the ratio is
// what the dialog's copy costs beyond the system's own.
#include "bench/RunBenchmarks.h"
#include "dialogs/foldercreate.h"
#include "dialogs/messagebox.h"
#include "framework/TApplication.h"
#include "framework/Testing.h"
#include "mainform/Unit1.h"
#include "tests/support/QtTesting.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>


#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

std::string SongName(std::int64_t i)
{
    return "song " + std::to_string(i) + ".mp3";
}

// One folder of `files` songs of `bytes` each per size, written once.
const TestSupport::TempFolder& MusicFolder(std::int64_t files, std::int64_t bytes)
{
    static std::map<std::pair<std::int64_t, std::int64_t>, std::unique_ptr<TestSupport::TempFolder>> folders;
    std::unique_ptr<TestSupport::TempFolder>& folder = folders[{files, bytes}];
    if (!folder) {
        folder = std::make_unique<TestSupport::TempFolder>();
        std::string content(static_cast<std::size_t>(bytes), '\0');
        for (std::size_t i = 0; i < content.size(); ++i)
            content[i] = static_cast<char>(i * 31 % 251);
        for (std::int64_t i = 0; i < files; ++i)
            folder->Write(SongName(i), content);
    }
    return *folder;
}

// The main window with a play list of every song of the folder shown, and the
// dialog placing its folders into `places`.
void ShowPlayList(const TestSupport::TempFolder& music, std::int64_t files, const TestSupport::TempFolder& places)
{
    std::vector<VT::Song> songs;
    for (std::int64_t i = 0; i < files; ++i)
        songs.push_back(SongSamples::Titled(SongName(i), SongName(i), music.PathWithoutSeparator()));
    // Named after its size: the lists of the sizes run before stand in the pane as well.
    const std::string name = "Mix of " + std::to_string(files);
    AppForm->LoadPlayLists(std::vector{SongSamples::ListOf(name, songs)});
    AppForm->SelectPlayList(AppForm->FindPlayListInfo(name));
    CreateFolderForm->FolderLocation = places.PathWithoutSeparator();
}

template <class Work> double Seconds(Work work)
{
    // What an earlier copy left for the disk is written first, so that neither side
    // pays for the other's writing.
    ::sync();
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void CreateFolderRatio(benchmark::State& state)
{
    const TestSupport::TempFolder& music = MusicFolder(state.range(0), state.range(1));
    const TestSupport::TempFolder places;
    ShowPlayList(music, state.range(0), places);
    int messages = 0;
    Testing::SetModalHook([&messages](TForm&) {
        ++messages;
        return mrOk;
    });
    double dialog = 0;
    double plain = 0;
    // Counted over the repetitions too, which call this function again.
    static int run = 0;
    for (auto _ : state) {
        const std::string name = "Run " + std::to_string(++run);
        const auto throughDialog = [&name] {
            AppForm->OpenCreateFolderForm();
            CreateFolderForm->FolderNameEdit->SetText(name);
            CreateFolderForm->OkClick();
            Testing::WaitForWorkers();
        };
        const auto plainCopy = [&] {
            std::filesystem::create_directory(places / "plain");
            for (std::int64_t i = 0; i < state.range(0); ++i)
                std::filesystem::copy_file(music / SongName(i), places / ("plain/" + SongName(i)));
        };
        // Each goes first in every other run, so that neither gains from the order.
        const bool dialogFirst = run % 2 == 1;
        const double first = Seconds(dialogFirst ? std::function<void()>(throughDialog) : plainCopy);
        const double second = Seconds(dialogFirst ? std::function<void()>(plainCopy) : throughDialog);
        const double withDialog = dialogFirst ? first : second;
        const double copied = dialogFirst ? second : first;
        std::filesystem::remove_all(places / name);
        std::filesystem::remove_all(places / "plain");
        state.SetIterationTime(withDialog);
        dialog += withDialog;
        plain += copied;
    }
    Testing::SetModalHook({});
    if (messages > 0)
        state.SkipWithError("songs were not copied");
    const double iterations = static_cast<double>(state.iterations());
    state.counters["dialog_ms"] = dialog / iterations * 1e3;
    state.counters["copy_file_ms"] = plain / iterations * 1e3;
    state.counters["ratio"] = dialog / plain;
}

} // namespace

BENCHMARK(CreateFolderRatio)->Name("CreateFolder/Smoke")->Args({4, 65536})->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(CreateFolderRatio)
    ->Name("CreateFolder/Ratio")
    ->Args({200, 5 << 20})
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    TestSupport::EnsureOffscreenQt();
    TApplication application(argc, argv);
    application.Initialize();
    application.CreateForm(AppForm);
    application.CreateForm(CreateFolderForm);
    application.CreateForm(MessageDialog);
    return RunBenchmarks(argc, argv);
}
