// Auto List over a shown source, from its OK to the new list shown, with three criteria
// that all must hold, against the filter plus a copy of the songs it selects.
#include "bench/SourceWindow.h"
#include "dialogs/autotunelodlg.h"
#include "dialogs/messagebox.h"

#include <string>
#include <vector>

namespace {

constexpr int AllMustMatch = 1;

struct AutoListWindow : SourceWindow {
    explicit AutoListWindow(std::size_t count) : SourceWindow(count)
    {
        if (AutoTuneloDialog == nullptr) { // the application's, for every window
            Application->CreateForm(AutoTuneloDialog);
            Application->CreateForm(MessageDialog);
        }
        form.SelectSource(0);
    }
};

// The title word of range(1) %, in files of every song, by artists of every song.
std::vector<VT::Filter::Criteria> ThreeCriteria(const benchmark::State& state)
{
    return {VT::Filter::Criteria(VT::Filter::Title, VT::Filter::Contains,
                                 std::string(GeneratedSongs::TitleWordIn(static_cast<int>(state.range(1))))),
            VT::Filter::Criteria(VT::Filter::FileName, VT::Filter::EndsWith, ".mp3"),
            VT::Filter::Criteria(VT::Filter::Artist, VT::Filter::DoesNotContain, "Karaoke")};
}

// While the dialog would show, the criteria are entered and OK pressed.
void AnswerWithCriteria(const std::vector<VT::Filter::Criteria>& criteria)
{
    Testing::SetModalHook([criteria](TForm&) {
        AutoTuneloDialog->Criteria = criteria;
        AutoTuneloDialog->Ticks.assign(criteria.size(), true);
        AutoTuneloDialog->LogicCheckCombo->SetItemIndex(AllMustMatch);
        AutoTuneloDialog->PlayListName->SetText("Auto");
        AutoTuneloDialog->OkClick();
        return AutoTuneloDialog->ModalResult();
    });
}

void AutoList(benchmark::State& state)
{
    AutoListWindow& window = WindowOf<AutoListWindow>(state);
    const std::vector<VT::Filter::Criteria> criteria = ThreeCriteria(state);
    const VT::Filter filter(criteria);
    AnswerWithCriteria(criteria);
    std::vector<VT::Song> copied;
    FloorTurns turns(state);
    for (auto _ : state) {
        turns.Turn([&] { copied = {}; },
                   [&] {
                       for (const std::size_t at : filter.Select(*window.source, true))
                           copied.push_back(window.source->songs[at]);
                   },
                   [] {}, [&] { window.form.AutoListActionExecute(); });
        if (window.form.Model.GetSelected()->songs.size() != copied.size()) {
            state.SkipWithError("the list built is not the songs selected");
            break;
        }
        window.form.Undo(); // the next list is built beside the source alone again
        window.form.SelectSource(0);
    }
    turns.Report("auto_list_per_floor");
    state.counters["selected"] = static_cast<double>(copied.size());
}

} // namespace

BENCHMARK(AutoList)->Name("AutoList/ThreeCriteria")->ArgNames({"songs", "matchPercent"})->Args({200'000, 3})->Args({200'000, 50})->UseManualTime()->Apply(WithLeastAndGreatest)->Unit(benchmark::kMillisecond);
BENCHMARK(AutoList)->Name("Smoke/AutoList/ThreeCriteria")->ArgNames({"songs", "matchPercent"})->Args({2'000, 3})->UseManualTime();

int main(int argc, char** argv)
{
    return RunWindowBenchmarks<AutoListWindow>(argc, argv);
}
