// Adding every song of a shown source, all selected, to a new play list through the
// window, against copying the same songs' vector once; and that edit and its undo
// beside many other play lists against the same without them, in one run.
#include "bench/SourceWindow.h"

#include <string>
#include <vector>

namespace {

constexpr std::int64_t FullSize = 200'000;
constexpr std::int64_t OtherLists = 100;
constexpr std::size_t OtherListSize = 10'000;

// The source shown, and `others` other play lists of their own songs in the pane.
struct EditWindow : SourceWindow {
    EditWindow(std::size_t count, std::int64_t others, std::size_t otherSize) : SourceWindow(count)
    {
        for (std::int64_t i = 0; i < others; ++i) {
            const std::string name = "Other " + std::to_string(i);
            form.AddPlayListEntry(form.Model.AddPlayList(GeneratedSongs::List(name, otherSize)));
        }
        form.SelectSource(0);
    }

    // Adds every shown song, all selected, to a new list; false if they did not all
    // arrive. Only the add is timed.
    bool AddAllToNewList(double& seconds)
    {
        const std::int32_t row = form.CreatePlayList("Edit");
        form.SelectAllActionExecute();
        seconds += Seconds([&] { form.AddSelectedToPlayList(row); });
        return form.PlayListInfos[row].Handle->songs.size() == source->songs.size();
    }
};

// The window of range(0) songs beside `others` play lists. Only the windows of one size
// are kept: the full size holds a few hundred megabytes of songs.
EditWindow& WindowFor(const benchmark::State& state, std::int64_t others, std::size_t otherSize)
{
    auto& windows = Windows<EditWindow>();
    const auto count = static_cast<std::size_t>(state.range(0));
    if (!windows.empty() && windows.begin()->second->source->songs.size() != count)
        windows.clear();
    std::unique_ptr<EditWindow>& window = windows[others];
    if (!window)
        window = std::make_unique<EditWindow>(count, others, otherSize);
    return *window;
}

void AddAllToNewList(benchmark::State& state, std::size_t otherSize)
{
    EditWindow& alone = WindowFor(state, 0, otherSize);
    EditWindow& beside = WindowFor(state, state.range(1), otherSize);
    double copy = 0, edit = 0, besideEdit = 0, undo = 0, besideUndo = 0;
    std::size_t turn = 0;
    const auto copySongs = [&] {
        std::vector<VT::Song> copied;
        copy += Seconds([&] { copied = alone.source->songs; });
        benchmark::DoNotOptimize(copied.data());
    };
    for (auto _ : state) {
        const double editBefore = edit;
        bool added = true;
        // The copy and the edits, and the windows without and with the other lists, take
        // turns in going first.
        InTurns(turn, copySongs, [&] {
            InTurns(turn, [&] { added &= alone.AddAllToNewList(edit); },
                    [&] { added &= beside.AddAllToNewList(besideEdit); });
        });
        if (!added) {
            state.SkipWithError("the songs were not added");
            break;
        }
        InTurns(turn++, [&] { undo += Seconds([&] { alone.form.Undo(); }); },
                [&] { besideUndo += Seconds([&] { beside.form.Undo(); }); });
        state.SetIterationTime(edit - editBefore);
    }
    state.counters["copy_ms"] = copy / static_cast<double>(state.iterations()) * 1e3;
    state.counters["undo_ms"] = undo / static_cast<double>(state.iterations()) * 1e3;
    state.counters["edit_per_copy"] = edit / copy;
    state.counters["beside_edit_per_alone"] = besideEdit / edit;
    state.counters["beside_undo_per_alone"] = besideUndo / undo;
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

// Each iteration leaves a list in each window and a state in its history: a few only.
BENCHMARK(AddAllFull)->Name("Edit/AddAllToNewList")->Args({FullSize, OtherLists})->Apply(WithLeastAndGreatest)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(AddAllSmoke)->Name("Smoke/Edit/AddAllToNewList")->Args({2'000, 2})->Iterations(2)->UseManualTime();

int main(int argc, char** argv)
{
    return RunWindowBenchmarks<EditWindow>(argc, argv);
}
