// Adding every song of a shown source to a new play list through the window (select all,
// then the add), against copying the same songs' vector once; and the undo and redo of
// that edit against the edit, with and without many other play lists held, in one run.
#include "bench/SourceWindow.h"

#include <string>
#include <vector>

namespace {

constexpr std::int64_t FullSize = 200'000;
constexpr std::int64_t OtherLists = 100;
constexpr std::size_t OtherListSize = 10'000;

// The source shown, and range(1) other play lists of their own songs in the pane.
struct EditWindow : SourceWindow {
    EditWindow(std::size_t count, std::int64_t others, std::size_t otherSize) : SourceWindow(count)
    {
        for (std::int64_t i = 0; i < others; ++i) {
            const std::string name = "Other " + std::to_string(i);
            form.AddPlayListEntry(form.Model.AddPlayList(GeneratedSongs::List(name, otherSize)));
        }
        form.SelectSource(0);
    }
};

// One window at a time: the full sizes hold a few hundred megabytes of songs.
EditWindow& WindowFor(const benchmark::State& state, std::size_t otherSize)
{
    auto& windows = Windows<EditWindow>();
    const std::int64_t others = state.range(1);
    if (windows.count(others) == 0) {
        windows.clear();
        windows[others] = std::make_unique<EditWindow>(static_cast<std::size_t>(state.range(0)), others, otherSize);
    }
    return *windows[others];
}

void AddAllToNewList(benchmark::State& state, std::size_t otherSize)
{
    EditWindow& window = WindowFor(state, otherSize);
    TAppForm& form = window.form;
    double copy = 0, edit = 0, undo = 0, redo = 0;
    for (auto _ : state) {
        std::vector<VT::Song> copied;
        copy += Seconds([&] { copied = window.source->songs; });
        benchmark::DoNotOptimize(copied.data());
        copied = {};
        const std::int32_t row = form.CreatePlayList("Edit");
        const double edited = Seconds([&] {
            form.SelectAllActionExecute();
            form.AddSelectedToPlayList(row);
        });
        if (form.PlayListInfos[row].Handle->songs.size() != window.source->songs.size()) {
            state.SkipWithError("the songs were not added");
            break;
        }
        edit += edited;
        undo += Seconds([&] { form.Undo(); });
        redo += Seconds([&] { form.Redo(); });
        state.SetIterationTime(edited);
    }
    state.counters["copy_ms"] = copy / static_cast<double>(state.iterations()) * 1e3;
    state.counters["undo_ms"] = undo / static_cast<double>(state.iterations()) * 1e3;
    state.counters["redo_ms"] = redo / static_cast<double>(state.iterations()) * 1e3;
    state.counters["edit_per_copy"] = edit / copy;
    state.counters["undo_per_edit"] = undo / edit;
    state.counters["redo_per_edit"] = redo / edit;
}

void AddAllFull(benchmark::State& state)
{
    AddAllToNewList(state, OtherListSize);
}

void AddAllSmoke(benchmark::State& state)
{
    AddAllToNewList(state, 100);
}

} // namespace

// Each iteration leaves a list of every song in the history: a few iterations only.
BENCHMARK(AddAllFull)->Name("Edit/AddAllToNewList")->Args({FullSize, 0})->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(AddAllFull)->Name("Edit/AddAllToNewListBesideOthers")->Args({FullSize, OtherLists})->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(AddAllSmoke)->Name("Smoke/Edit/AddAllToNewList")->Args({2'000, 2})->Iterations(2)->UseManualTime();

int main(int argc, char** argv)
{
    return RunWindowBenchmarks<EditWindow>(argc, argv);
}
