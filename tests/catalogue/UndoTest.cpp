#include "catalogue/Manager.h"
#include "tests/support/SongSamples.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Buffer = VT::Manager::UndoRedoBuffer;
using VT::PlayListManager;

// A state recognised by the name of its one list.
PlayListManager State(const std::string& name)
{
    PlayListManager state;
    state.Add(SongSamples::ListOf(name, {SongSamples::Titled(name)}));
    return state;
}

std::string NameOf(const PlayListManager* state)
{
    if (state == nullptr)
        return "none";
    PlayListManager copy = *state;
    return copy.Begin()->GetName();
}

TEST(UndoRedoBuffer, FollowsTheWorkedSequence)
{
    Buffer history;
    history.Push(State("S0"));
    history.Push(State("S1"));
    history.Push(State("S2"));
    EXPECT_EQ(history.Position(), 3);
    EXPECT_EQ(NameOf(history.Undo()), "S1");
    EXPECT_EQ(NameOf(history.Undo()), "S0");
    EXPECT_EQ(history.Position(), 1);
    EXPECT_EQ(NameOf(history.Undo()), "none");
    EXPECT_EQ(history.Position(), 1);
    EXPECT_EQ(NameOf(history.Redo()), "S1");
    EXPECT_EQ(history.Position(), 2);
    history.Push(State("S3"));
    EXPECT_EQ(history.Size(), 3U);
    EXPECT_EQ(history.Position(), 3);
    EXPECT_EQ(NameOf(history.Redo()), "none");
    EXPECT_EQ(NameOf(history.Undo()), "S1");
    EXPECT_EQ(NameOf(history.Undo()), "S0");
}

TEST(UndoRedoBuffer, UndoOnAnEmptyHistoryGivesNothingAndLeavesPositionOne)
{
    Buffer history;
    EXPECT_EQ(history.Undo(), nullptr);
    EXPECT_EQ(history.Position(), 1);
    EXPECT_EQ(history.Size(), 0U);
    history.Push(State("S0"));
    EXPECT_EQ(history.Size(), 1U);
    EXPECT_EQ(history.Position(), 1);
}

TEST(UndoRedoBuffer, RedoOnAnEmptyHistoryGivesNothingAndLeavesPositionZero)
{
    Buffer history;
    EXPECT_EQ(history.Redo(), nullptr);
    EXPECT_EQ(history.Position(), 0);
}

TEST(UndoRedoBuffer, WithOneStateNeitherUndoNorRedoMoves)
{
    Buffer history;
    history.Push(State("S0"));
    EXPECT_EQ(history.Undo(), nullptr);
    EXPECT_EQ(history.Redo(), nullptr);
    EXPECT_EQ(history.Position(), 1);
}

TEST(UndoRedoBuffer, KeepsThePresentStateAndFiftyEarlierOnes)
{
    Buffer history;
    for (int i = 0; i < 60; ++i)
        history.Push(State("S" + std::to_string(i)));
    EXPECT_EQ(history.Size(), 51U);
    EXPECT_EQ(history.Position(), 51);
    for (int i = 58; i >= 9; --i)
        ASSERT_EQ(NameOf(history.Undo()), "S" + std::to_string(i));
    EXPECT_EQ(history.Undo(), nullptr);
    EXPECT_EQ(history.Position(), 1);
    EXPECT_EQ(history.Size(), 51U);
}

TEST(UndoRedoBuffer, PushAfterUndoDropsTheStatesRedoWouldHaveReached)
{
    Buffer history;
    for (const char* name : {"S0", "S1", "S2", "S3"})
        history.Push(State(name));
    history.Undo();
    history.Undo();
    EXPECT_EQ(history.Size(), 4U);
    history.Push(State("new"));
    EXPECT_EQ(history.Size(), 3U);
    EXPECT_EQ(history.Redo(), nullptr);
    EXPECT_EQ(NameOf(history.Undo()), "S1");
}

TEST(UndoRedoBuffer, UndoThenRedoReturnsToThePresentStateUnchanged)
{
    Buffer history;
    history.Push(State("S0"));
    history.Push(State("S1"));
    const PlayListManager* present = history.Redo();
    EXPECT_EQ(present, nullptr);
    history.Undo();
    EXPECT_EQ(NameOf(history.Redo()), "S1");
    EXPECT_EQ(history.Position(), 2);
    EXPECT_EQ(history.Size(), 2U);
}

TEST(UndoRedoBuffer, StoresACopyThatLaterEditsOfThePushedStateDoNotReach)
{
    Buffer history;
    PlayListManager live = State("S0");
    history.Push(live);
    live.AddSongs({SongSamples::Titled("later")}, live.Begin());
    live.Begin().Edit().SetName("renamed");
    history.Push(live);
    const PlayListManager* before = history.Undo();
    ASSERT_NE(before, nullptr);
    PlayListManager restored = *before;
    EXPECT_EQ(restored.Begin()->GetName(), "S0");
    EXPECT_EQ(SongSamples::Titles(restored.Begin()->songs), (std::vector<std::string>{"S0"}));
}

} // namespace
