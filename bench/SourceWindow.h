#pragma once

// For benchmark programs that drive the real main window, offscreen, over one source of
// generated songs.
#include "bench/FloorTurns.h"
#include "bench/GeneratedSongs.h"
#include "bench/RunBenchmarks.h"
#include "framework/TApplication.h"
#include "framework/Testing.h"
#include "mainform/Unit1.h"
#include "tests/support/QtTesting.h"
#include "tests/support/TempFolder.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <memory>

// The main window over an empty program folder, its start-up load ended, and one source
// of `count` generated songs added to the model and the source pane, none selected.
struct SourceWindow {
    explicit SourceWindow(std::size_t count)
    {
        form.UseProgramFolder(folder.Path());
        form.Show();
        while (form.FirstActivation)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        Testing::WaitForWorkers();
        source = form.Model.AddLoadedSources({GeneratedSongs::List("Music", count)}).front();
        form.AppendSource(source);
    }

    TestSupport::TempFolder folder;
    TAppForm form;
    VT::ListPtr source;
};

// One window per size, made at its first benchmark; closed by RunWindowBenchmarks before
// the application goes.
template <class Window> std::map<std::int64_t, std::unique_ptr<Window>>& Windows()
{
    static std::map<std::int64_t, std::unique_ptr<Window>> windows;
    return windows;
}

template <class Window> Window& WindowOf(const benchmark::State& state)
{
    std::unique_ptr<Window>& window = Windows<Window>()[state.range(0)];
    if (!window)
        window = std::make_unique<Window>(static_cast<std::size_t>(state.range(0)));
    return *window;
}

// The body of such a program's main.
template <class Window> int RunWindowBenchmarks(int argc, char** argv)
{
    TestSupport::EnsureOffscreenQt();
    TApplication application(argc, argv);
    application.Initialize();
    const int result = RunBenchmarks(argc, argv);
    Windows<Window>().clear();
    return result;
}
