#include "catalogue/Exceptions.h"
#include "catalogue/MP3Song.h"
#include "catalogue/Manager.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace SongSamples;
using TestSupport::TempFolder;
using VT::ListPtr;
using VT::Manager;

struct ManagerTest : ::testing::Test {
    TempFolder folder;
    Manager model;

    Strings PlayListNames() { return Names(model.GetPlayLists()); }
    std::size_t States() const { return model.History().Size(); }
    // What the view shows: the mode and the name of the shown list.
    std::string Shown()
    {
        const ListPtr shown = model.GetSelected();
        return std::to_string(model.GetMode()) + (shown.IsList() ? " " + shown->GetName() : "");
    }
};

TEST_F(ManagerTest, EveryPlayListEditIsOneStepThatUndoAndRedoTakeBackAndForth)
{
    const ListPtr mix = model.AddPlayList(ListOf("Mix", {Titled("a"), Titled("b"), Titled("c")}));
    const std::vector<std::function<void()>> edits = {
        [&] { model.AddSongs({Titled("x")}, mix); },
        [&] { model.InsertSongs({Titled("y")}, mix, Titled("b")); },
        [&] { model.MoveSongs({Titled("c")}, mix, Titled("a")); },
        [&] { model.RemoveSongs({Titled("a")}, mix); },
        [&] { model.RemoveSongsAt({2, 0}, mix); },
        [&] { model.MoveSongsAt({1}, mix, 0); },
        [&] { model.AddPlayList(ListOf("Other", {})); },
        [&] { model.RemovePlayList(model.GetPlayLists().at(1)); },
        [&] { // a rename becomes part of the next step
            mix.Edit().SetName("Renamed");
            model.AddSongs({}, mix);
        },
    };
    // Each state as the last list's name and the songs of the first.
    const auto state = [&] { return FileOf(PlayListNames().back(), model.GetPlayLists().at(0)->songs); };
    std::vector<std::string> states = {state()};
    for (const auto& edit : edits) {
        edit();
        states.push_back(state());
        EXPECT_EQ(States(), states.size() + 1);
    }
    for (std::size_t i = edits.size(); i-- > 0;) {
        model.Undo();
        EXPECT_EQ(state(), states[i]) << i;
    }
    // The first edit pushed the state before it, once.
    model.Undo();
    EXPECT_TRUE(PlayListNames().empty());
    model.Redo();
    for (std::size_t i = 1; i <= edits.size(); ++i) {
        model.Redo();
        EXPECT_EQ(state(), states[i]) << i;
    }
}

TEST_F(ManagerTest, LoadingPlayListsPushesTheLoadedStateAndAFailedLoadNothing)
{
    EXPECT_THROW(model.LoadPlayLists(folder / "missing/"), VT::invalid_directory);
    EXPECT_EQ(States(), 0U);
    model.AddPlayList(ListOf("Made", {}));
    folder.Write("Mix.vtl", FileOf("Mix", {Titled("a")}));
    const ListPtr mix = model.LoadPlayLists(folder.Path()).at(0);
    EXPECT_EQ(States(), 3U);
    model.SelectPlayList(mix);
    model.Undo();
    EXPECT_EQ(PlayListNames(), (Strings{"Made"}));
    EXPECT_EQ(Shown(), "2");
    model.Undo();
    model.Undo();
    EXPECT_TRUE(PlayListNames().empty());
}

TEST_F(ManagerTest, AFailedImportLeavesThePlayListsAndAddsNoStep)
{
    folder.Write("Ghosts.m3u", "ghost.mp3\r\n");
    VT::MP3Song reading;
    int count = 0;
    EXPECT_THROW(model.ImportM3U(folder / "Ghosts.m3u", folder.Path(), reading, count), VT::import_error);
    EXPECT_TRUE(model.GetPlayLists().empty());
    EXPECT_EQ(States(), 1U);
}

TEST_F(ManagerTest, SelectingAndRemovingDecideWhatIsShown)
{
    const ListPtr source = model.AddSource(folder.MakeFolder("A"));
    model.AddPlayList(ListOf("First", {}));
    model.AddPlayList(ListOf("Second", {}));
    EXPECT_EQ(Shown(), "2");
    model.SelectSource(source);
    model.AddPlayList(ListOf("Third", {}));
    model.Undo();
    EXPECT_EQ(Shown(), "0 A");
    model.SelectPlayList(model.GetPlayLists().at(1));
    model.RemovePlayList(model.GetPlayLists().at(0));
    EXPECT_EQ(Shown(), "1 Second");
    model.SelectNone();
    EXPECT_EQ(Shown(), "2");
    model.SelectSource(source);
    model.RemoveSource(source);
    EXPECT_EQ(Shown(), "2");
    model.SelectPlayList(model.GetPlayLists().at(0));
    model.RemovePlayList(model.GetPlayLists().at(0));
    EXPECT_EQ(Shown(), "2");
}

TEST_F(ManagerTest, UndoAndRedoShowThePlayListAtTheShownPositionWhileThereIsOne)
{
    const ListPtr first = model.AddPlayList(ListOf("First", {}));
    const ListPtr second = model.AddPlayList(ListOf("Second", {}));
    model.SelectPlayList(second);
    model.AddSongs({Titled("a")}, second);
    model.Undo();
    EXPECT_EQ(Shown(), "1 Second");
    model.RemovePlayList(first);
    model.Undo();
    model.SelectPlayList(model.GetPlayLists().at(1));
    model.Redo();
    EXPECT_EQ(Shown(), "2");
}

TEST_F(ManagerTest, SourcesExportsAndSavesPushNothingAndUndoLeavesThem)
{
    const ListPtr mix = model.AddPlayList(ListOf("Mix", {Titled("a")}));
    model.SelectPlayList(mix);
    model.AddSource(folder.MakeFolder("Rock"));
    model.RemoveSource(model.AddSource(folder.MakeFolder("Pop")));
    model.ExportM3U(folder / "out.m3u", mix, true);
    model.SavePlayLists(folder.Path());
    model.SaveSources(folder.Path());
    EXPECT_EQ(States(), 2U);
    EXPECT_EQ(model.History().Position(), 2);
    EXPECT_EQ(Shown(), "1 Mix");
    EXPECT_EQ(folder.Entries(), (Strings{"Mix.vtl", "Pop", "Rock", "Rock.vts", "out.m3u"}));
    model.Undo();
    EXPECT_EQ(Names(model.GetSources()), (Strings{"Rock"}));
    EXPECT_TRUE(model.GetPlayLists().empty());
}

using Buffer = VT::Manager::UndoRedoBuffer;

// A state recognised by the name of its one list.
VT::PlayListManager State(const std::string& name)
{
    VT::PlayListManager state;
    state.Add(ListOf(name, {}));
    return state;
}

std::string NameOf(const VT::PlayListManager* state)
{
    return state == nullptr ? "none" : VT::PlayListManager(*state).Begin()->GetName();
}

TEST(UndoRedoBuffer, FollowsTheWorkedSequence)
{
    Buffer history;
    EXPECT_EQ(history.Redo(), nullptr);
    EXPECT_EQ(history.Position(), 0);
    EXPECT_EQ(history.Undo(), nullptr);
    EXPECT_EQ(history.Position(), 1);
    for (const char* name : {"S0", "S1", "S2"})
        history.Push(State(name));
    EXPECT_EQ(history.Position(), 3);
    struct Step { bool redo; const char* state; };
    for (const Step step : {Step{true, "none"}, Step{false, "S1"}, Step{false, "S0"}, Step{false, "none"}, Step{true, "S1"}})
        EXPECT_EQ(NameOf(step.redo ? history.Redo() : history.Undo()), step.state);
    EXPECT_EQ(history.Position(), 2);
    // A push drops the states Redo could still have reached.
    history.Push(State("S3"));
    EXPECT_EQ(history.Size(), 3U);
    EXPECT_EQ(NameOf(history.Redo()), "none");
    EXPECT_EQ(NameOf(history.Undo()), "S1");
}

TEST(UndoRedoBuffer, KeepsThePresentStateAndFiftyEarlierOnes)
{
    Buffer history;
    for (int i = 0; i < 60; ++i)
        history.Push(State("S" + std::to_string(i)));
    EXPECT_EQ(history.Size(), 51U);
    for (int i = 58; i >= 9; --i)
        ASSERT_EQ(NameOf(history.Undo()), "S" + std::to_string(i));
    EXPECT_EQ(history.Undo(), nullptr);
    EXPECT_EQ(history.Position(), 1);
}

} // namespace
