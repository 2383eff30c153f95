#include "catalogue/Exceptions.h"
#include "catalogue/Manager.h"
#include "tests/support/SongSamples.h"
#include "tests/support/Mp3Writer.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using SongSamples::ListOf;
using SongSamples::Titled;
using SongSamples::Titles;
using Strings = std::vector<std::string>;
using TestSupport::TempFolder;
using VT::ListPtr;
using VT::Manager;

Strings Names(const std::vector<ListPtr>& handles)
{
    Strings names;
    for (const ListPtr& handle : handles)
        names.push_back(handle->GetName());
    return names;
}

std::string FileOf(const std::string& name, const std::vector<VT::Song>& songs = {})
{
    std::string text;
    ListOf(name, songs).Write(text);
    return text;
}

struct ManagerTest : ::testing::Test {
    TempFolder folder;
    Manager model;

    Strings PlayListNames() { return Names(model.GetPlayLists()); }
    std::size_t States() const { return model.History().Size(); }
};

TEST_F(ManagerTest, StartsEmptyShowingNothing)
{
    EXPECT_EQ(model.GetMode(), Manager::NothingShown);
    EXPECT_FALSE(model.GetSelected().IsList());
    EXPECT_TRUE(model.GetPlayLists().empty());
    EXPECT_TRUE(model.GetSources().empty());
    EXPECT_EQ(States(), 0U);
    EXPECT_EQ(model.History().Position(), 0);
}

TEST_F(ManagerTest, TheFirstEditPushesTheStateBeforeItOnce)
{
    const ListPtr mix = model.AddPlayList(ListOf("Mix", {}));
    EXPECT_EQ(States(), 2U);
    model.AddSongs({Titled("a")}, mix);
    EXPECT_EQ(States(), 3U);
    model.Undo();
    EXPECT_TRUE(mix->songs.empty());
    model.Undo();
    EXPECT_TRUE(model.GetPlayLists().empty());
    model.Undo();
    EXPECT_TRUE(model.GetPlayLists().empty());
    model.Redo();
    model.Redo();
    EXPECT_EQ(Titles(model.GetPlayLists().at(0)->songs), (Strings{"a"}));
}

TEST_F(ManagerTest, LoadingPlayListsMakesTheFirstUndoState)
{
    folder.Write("Mix.vtl", FileOf("Mix", {Titled("a")}));
    const std::vector<ListPtr> loaded = model.LoadPlayLists(folder.Path());
    ASSERT_EQ(Names(loaded), (Strings{"Mix"}));
    EXPECT_EQ(States(), 1U);
    model.AddSongs({Titled("b")}, loaded[0]);
    EXPECT_EQ(States(), 2U);
    model.Undo();
    EXPECT_EQ(Titles(loaded[0]->songs), (Strings{"a"}));
    model.Undo();
    EXPECT_EQ(Titles(loaded[0]->songs), (Strings{"a"}));
}

TEST_F(ManagerTest, LoadingPlayListsPushesEvenWhenTheHistoryHoldsStates)
{
    model.AddPlayList(ListOf("Made", {}));
    folder.Write("Mix.vtl", FileOf("Mix"));
    model.LoadPlayLists(folder.Path());
    EXPECT_EQ(States(), 3U);
    EXPECT_EQ(PlayListNames(), (Strings{"Made", "Mix"}));
    model.Undo();
    EXPECT_EQ(PlayListNames(), (Strings{"Made"}));
}

TEST_F(ManagerTest, AFailedPlayListLoadPushesNothing)
{
    EXPECT_THROW(model.LoadPlayLists(folder / "missing/"), VT::invalid_directory);
    EXPECT_EQ(States(), 0U);
    const ListPtr mix = model.AddPlayList(ListOf("Mix", {}));
    model.AddSongs({Titled("a")}, mix);
    model.Undo();
    EXPECT_TRUE(mix->songs.empty());
}

TEST_F(ManagerTest, MovingSongsIsOneUndoStep)
{
    const ListPtr mix = model.AddPlayList(ListOf("Mix", {Titled("a"), Titled("b"), Titled("c")}));
    const std::size_t before = States();
    model.MoveSongs({Titled("c")}, mix, Titled("a"));
    EXPECT_EQ(Titles(mix->songs), (Strings{"c", "a", "b"}));
    EXPECT_EQ(States(), before + 1);
    model.Undo();
    EXPECT_EQ(Titles(mix->songs), (Strings{"a", "b", "c"}));
}

TEST_F(ManagerTest, EverySongEditIsUndoneAndRedone)
{
    const ListPtr mix = model.AddPlayList(ListOf("Mix", {Titled("a"), Titled("b")}));
    model.InsertSongs({Titled("x")}, mix, Titled("b"));
    model.RemoveSongs({Titled("a")}, mix);
    EXPECT_EQ(Titles(mix->songs), (Strings{"x", "b"}));
    model.Undo();
    EXPECT_EQ(Titles(mix->songs), (Strings{"a", "x", "b"}));
    model.Undo();
    EXPECT_EQ(Titles(mix->songs), (Strings{"a", "b"}));
    model.Redo();
    model.Redo();
    EXPECT_EQ(Titles(mix->songs), (Strings{"x", "b"}));
    model.Redo();
    EXPECT_EQ(Titles(mix->songs), (Strings{"x", "b"}));
}

TEST_F(ManagerTest, ARenameBecomesPartOfTheNextStep)
{
    const ListPtr mix = model.AddPlayList(ListOf("Mix", {}));
    mix.Edit().SetName("Renamed");
    model.AddSongs({Titled("a")}, mix);
    EXPECT_EQ(mix->GetName(), "Renamed");
    model.Undo();
    EXPECT_EQ(mix->GetName(), "Mix");
    model.Redo();
    EXPECT_EQ(mix->GetName(), "Renamed");
}

TEST_F(ManagerTest, SourcesAreNotUndone)
{
    const std::string music = folder.MakeFolder("Rock");
    TestSupport::Id3v1 tag;
    tag.title = "Song A";
    folder.Write("Rock/a.mp3", TestSupport::Mp3Bytes(tag));
    folder.Write("Old.vts", FileOf("Old"));
    model.LoadSources(folder.Path());
    model.AddPlayList(ListOf("Mix", {}));
    const ListPtr rock = model.AddSource(music);
    EXPECT_EQ(Titles(rock->songs), (Strings{"Song A"}));
    model.RemoveSource(model.GetSources().at(0));
    const std::size_t states = States();
    model.Undo();
    EXPECT_EQ(Names(model.GetSources()), (Strings{"Rock"}));
    EXPECT_TRUE(model.GetPlayLists().empty());
    EXPECT_EQ(States(), states);
}

TEST_F(ManagerTest, UndoingTheAdditionOfTheShownPlayListShowsNothing)
{
    model.AddPlayList(ListOf("First", {}));
    const ListPtr added = model.AddPlayList(ListOf("Second", {}));
    model.SelectPlayList(added);
    model.Undo();
    EXPECT_EQ(PlayListNames(), (Strings{"First"}));
    EXPECT_EQ(model.GetMode(), Manager::NothingShown);
    EXPECT_FALSE(model.GetSelected().IsList());
    model.Redo();
    EXPECT_EQ(model.GetMode(), Manager::NothingShown);
}

TEST_F(ManagerTest, RedoThatDropsTheShownPlayListShowsNothing)
{
    const ListPtr first = model.AddPlayList(ListOf("First", {}));
    model.AddPlayList(ListOf("Second", {}));
    model.RemovePlayList(first);
    model.Undo();
    model.SelectPlayList(model.GetPlayLists().at(1));
    model.Redo();
    EXPECT_EQ(PlayListNames(), (Strings{"Second"}));
    EXPECT_EQ(model.GetMode(), Manager::NothingShown);
}

TEST_F(ManagerTest, UndoKeepsShowingAPlayListWhosePositionRemains)
{
    model.AddPlayList(ListOf("First", {}));
    const ListPtr second = model.AddPlayList(ListOf("Second", {}));
    model.SelectPlayList(second);
    model.AddSongs({Titled("a")}, second);
    model.Undo();
    EXPECT_EQ(model.GetMode(), Manager::PlayListShown);
    EXPECT_TRUE(model.GetSelected() == second);
    EXPECT_TRUE(second->songs.empty());
}

TEST_F(ManagerTest, UndoAtTheOldestStateChangesNeitherListsNorMode)
{
    folder.Write("A.vtl", FileOf("A", {Titled("a")}));
    const ListPtr loaded = model.LoadPlayLists(folder.Path()).at(0);
    model.SelectPlayList(loaded);
    model.Undo();
    EXPECT_EQ(PlayListNames(), (Strings{"A"}));
    EXPECT_EQ(Titles(loaded->songs), (Strings{"a"}));
    EXPECT_EQ(model.GetMode(), Manager::PlayListShown);
    EXPECT_TRUE(model.GetSelected() == loaded);
}

TEST_F(ManagerTest, RemovingTheShownPlayListShowsNothing)
{
    const ListPtr first = model.AddPlayList(ListOf("First", {}));
    const ListPtr second = model.AddPlayList(ListOf("Second", {}));
    model.SelectPlayList(second);
    model.RemovePlayList(first);
    EXPECT_EQ(model.GetMode(), Manager::PlayListShown);
    EXPECT_TRUE(model.GetSelected() == second);
    model.RemovePlayList(second);
    EXPECT_EQ(model.GetMode(), Manager::NothingShown);
    EXPECT_FALSE(model.GetSelected().IsList());
    EXPECT_TRUE(model.GetPlayLists().empty());
}

TEST_F(ManagerTest, RemovingTheShownSourceShowsNothing)
{
    folder.Write("A.vts", FileOf("A"));
    const ListPtr source = model.LoadSources(folder.Path()).at(0);
    const ListPtr mix = model.AddPlayList(ListOf("Mix", {}));
    model.SelectSource(source);
    model.RemovePlayList(mix);
    EXPECT_EQ(model.GetMode(), Manager::SourceShown);
    model.Undo();
    EXPECT_EQ(model.GetMode(), Manager::SourceShown);
    EXPECT_TRUE(model.GetSelected() == source);
    model.RemoveSource(source);
    EXPECT_EQ(model.GetMode(), Manager::NothingShown);
    EXPECT_FALSE(model.GetSelected().IsList());
}

TEST_F(ManagerTest, SelectingSetsModeShownListAndCurrentList)
{
    folder.Write("A.vts", FileOf("A"));
    const ListPtr source = model.LoadSources(folder.Path()).at(0);
    const ListPtr mix = model.AddPlayList(ListOf("Mix", {}));
    model.SelectSource(source);
    EXPECT_EQ(model.GetMode(), Manager::SourceShown);
    EXPECT_TRUE(model.GetSelected() == source);
    model.SelectPlayList(mix);
    EXPECT_EQ(model.GetMode(), Manager::PlayListShown);
    EXPECT_TRUE(model.GetSelected() == mix);
    model.SelectNone();
    EXPECT_EQ(model.GetMode(), Manager::NothingShown);
    EXPECT_FALSE(model.GetSelected().IsList());
}

TEST_F(ManagerTest, ExportAndSavePushNothingAndChangeNothing)
{
    folder.Write("A.vts", FileOf("A", {Titled("s")}));
    model.LoadSources(folder.Path());
    const ListPtr mix = model.AddPlayList(ListOf("Mix", {Titled("a")}));
    model.SelectPlayList(mix);
    const std::size_t states = States();
    const int position = model.History().Position();
    model.ExportM3U(folder / "out.m3u", mix, true);
    EXPECT_TRUE(model.SavePlayLists(folder.Path()).empty());
    EXPECT_TRUE(model.SaveSources(folder.Path()).empty());
    EXPECT_EQ(States(), states);
    EXPECT_EQ(model.History().Position(), position);
    EXPECT_EQ(model.GetMode(), Manager::PlayListShown);
    EXPECT_EQ(PlayListNames(), (Strings{"Mix"}));
    EXPECT_EQ(folder.Read("Mix.vtl"), FileOf("Mix", {Titled("a")}));
    EXPECT_TRUE(folder.Exists("out.m3u"));
}

TEST_F(ManagerTest, SavingReportsTheListsWhoseFilesCannotBeWritten)
{
    folder.MakeFolder("Mix.vtl");
    const ListPtr mix = model.AddPlayList(ListOf("Mix", {}));
    model.AddPlayList(ListOf("Other", {}));
    EXPECT_EQ(model.SavePlayLists(folder.Path()), (std::vector<ListPtr>{mix}));
    EXPECT_EQ(folder.Read("Other.vtl"), FileOf("Other"));
}

TEST_F(ManagerTest, UndoAfterSaveRestoresListsThatStillSaveToTheirFiles)
{
    const ListPtr mix = model.AddPlayList(ListOf("Mix", {}));
    model.AddSongs({Titled("a")}, mix);
    model.SavePlayLists(folder.Path());
    model.Undo();
    model.SavePlayLists(folder.Path());
    EXPECT_EQ(folder.Read("Mix.vtl"), FileOf("Mix"));
}

} // namespace
