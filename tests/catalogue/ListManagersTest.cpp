#include "catalogue/Exceptions.h"
#include "catalogue/PlayListManager.h"
#include "catalogue/SourceManager.h"
#include "tests/support/SongSamples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using SongSamples::ListOf;
using SongSamples::Titled;
using SongSamples::Titles;
using Strings = std::vector<std::string>;
using VT::ListPtr;
using VT::PlayList;
using VT::PlayListManager;
using VT::SourceManager;

template <typename Manager> Strings Names(Manager& manager)
{
    Strings names;
    for (ListPtr at = manager.Begin(); at != manager.End(); ++at)
        names.push_back(at->GetName());
    return names;
}

template <typename Manager> std::vector<ListPtr> AddNamed(Manager& manager, const Strings& names)
{
    std::vector<ListPtr> handles;
    for (const std::string& name : names)
        handles.push_back(manager.Add(ListOf(name, {Titled(name + " song")})));
    return handles;
}

TEST(ListManager, StartsEmpty)
{
    PlayListManager lists;
    SourceManager sources;
    EXPECT_TRUE(lists.Begin() == lists.End());
    EXPECT_TRUE(sources.Begin() == sources.End());
    EXPECT_FALSE(lists.End().IsList());
    EXPECT_FALSE(ListPtr().IsList());
    EXPECT_TRUE(lists.All().empty());
}

TEST(ListManager, AddCopiesEveryPartOfTheList)
{
    PlayList original = ListOf("Mix", {Titled("a")});
    original.SetFile("/lists/Mix.VTL");
    PlayListManager lists;
    const ListPtr added = lists.Add(original);
    original.songs.clear();
    original.SetName("changed");
    EXPECT_EQ(added->GetName(), "Mix");
    EXPECT_EQ(Titles(added->songs), (Strings{"a"}));
    EXPECT_EQ(added->GetFilePath(), "/lists/Mix.VTL");
    EXPECT_EQ(added->GetExtension(), ".VTL");
}

TEST(ListManager, AddingOneListTwiceGivesTwoIndependentLists)
{
    const PlayList list = ListOf("Mix", {Titled("a")});
    SourceManager sources;
    const ListPtr first = sources.Add(list);
    const ListPtr second = sources.Add(list);
    EXPECT_FALSE(first == second);
    first.Edit().songs.push_back(Titled("b"));
    first.Edit().SetName("First");
    EXPECT_EQ(Titles(first->songs), (Strings{"a", "b"}));
    EXPECT_EQ(Titles(second->songs), (Strings{"a"}));
    EXPECT_EQ(second->GetName(), "Mix");
}

TEST(ListManager, HandlesSurviveRemovingAnyOtherList)
{
    for (std::size_t removed = 0; removed < 4; ++removed) {
        SourceManager sources;
        std::vector<ListPtr> handles = AddNamed(sources, {"a", "b", "c", "d"});
        Strings expected = {"a", "b", "c", "d"};
        sources.Remove(handles[removed]);
        handles.erase(handles.begin() + static_cast<long>(removed));
        expected.erase(expected.begin() + static_cast<long>(removed));
        EXPECT_EQ(Names(sources), expected);
        for (std::size_t i = 0; i < handles.size(); ++i)
            EXPECT_EQ(handles[i]->GetName(), expected[i]);
        const ListPtr added = sources.Add(ListOf("e", {}));
        EXPECT_EQ(handles.front()->GetName(), expected.front());
        EXPECT_EQ(added->GetName(), "e");
    }
}

TEST(ListManager, IteratesInTheOrderAdded)
{
    PlayListManager lists;
    const std::vector<ListPtr> handles = AddNamed(lists, {"z", "a", "m"});
    EXPECT_EQ(Names(lists), (Strings{"z", "a", "m"}));
    EXPECT_EQ(lists.All(), handles);
    EXPECT_TRUE(lists.Begin() == handles[0]);
}

TEST(ListManager, RemovingTheCurrentListForgetsIt)
{
    PlayListManager lists;
    const std::vector<ListPtr> handles = AddNamed(lists, {"a", "b"});
    lists.SetCurrent(handles[1]);
    EXPECT_TRUE(lists.GetCurrent() == handles[1]);
    lists.Remove(handles[0]);
    EXPECT_TRUE(lists.GetCurrent() == handles[1]);
    lists.Remove(handles[1]);
    EXPECT_FALSE(lists.GetCurrent().IsList());
}

TEST(ListManagerAssignment, FewerListsKeepTheFirstHandlesAndFreeTheRest)
{
    PlayListManager five;
    const std::vector<ListPtr> handles = AddNamed(five, {"1", "2", "3", "4", "5"});
    five.SetCurrent(handles[4]);
    PlayListManager three;
    AddNamed(three, {"a", "b", "c"});
    five = three;
    EXPECT_EQ(Names(five), (Strings{"a", "b", "c"}));
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(handles[i]->GetName(), Names(three)[i]);
    EXPECT_EQ(Titles(handles[2]->songs), (Strings{"c song"}));
    EXPECT_FALSE(five.GetCurrent().IsList());
    EXPECT_EQ(five.Size(), 3U);
}

TEST(ListManagerAssignment, MoreListsKeepEveryHandleAndAppendTheRest)
{
    PlayListManager three;
    const std::vector<ListPtr> handles = AddNamed(three, {"a", "b", "c"});
    three.SetCurrent(handles[1]);
    PlayListManager five;
    AddNamed(five, {"1", "2", "3", "4", "5"});
    three = five;
    EXPECT_EQ(Names(three), (Strings{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(handles[0]->GetName(), "1");
    EXPECT_EQ(handles[2]->GetName(), "3");
    EXPECT_TRUE(three.GetCurrent() == handles[1]);
    ListPtr next = handles[2];
    EXPECT_EQ((++next)->GetName(), "4");
}

TEST(ListManagerCopy, SharesListsUntilOneSideEditsThem)
{
    PlayListManager live;
    const std::vector<ListPtr> handles = AddNamed(live, {"a", "b"});
    const PlayList* own = &*handles[0];
    EXPECT_EQ(&handles[0].Edit(), own) << "a list nobody shares is changed in place";
    PlayListManager copy = live;
    const PlayList* shared = &*handles[1];
    EXPECT_EQ(&*copy.All().at(1), shared) << "a copy must not duplicate the lists";

    handles[0].Edit().songs.push_back(Titled("new"));
    handles[0].Edit().SetName("renamed");
    EXPECT_EQ(Titles(copy.All().at(0)->songs), (Strings{"a song"}));
    EXPECT_EQ(copy.All().at(0)->GetName(), "a");
    EXPECT_EQ(Titles(handles[0]->songs), (Strings{"a song", "new"}));
    EXPECT_EQ(&*handles[1], shared) << "an edit copies only the list it changes";
}

TEST(ListManagerShare, AShareKeepsTheListAsItWasWhenTheHandleEditsIt)
{
    SourceManager sources;
    const ListPtr source = AddNamed(sources, {"a"}).at(0);
    const std::shared_ptr<const PlayList> shown = source.Share();
    EXPECT_EQ(shown.get(), &*source) << "sharing copies nothing";
    source.Edit().songs.push_back(Titled("new"));
    EXPECT_EQ(Titles(shown->songs), (Strings{"a song"}));
    EXPECT_EQ(Titles(source->songs), (Strings{"a song", "new"}));
}

TEST(ListManagerCopy, AssigningBackRestoresTheCopiedLists)
{
    PlayListManager live;
    const std::vector<ListPtr> handles = AddNamed(live, {"a"});
    PlayListManager saved = live;
    live.AddSongs({Titled("x")}, handles[0]);
    live.Add(ListOf("b", {}));
    live = saved;
    EXPECT_EQ(Names(live), (Strings{"a"}));
    EXPECT_EQ(Titles(handles[0]->songs), (Strings{"a song"}));
    handles[0].Edit().songs.clear();
    EXPECT_EQ(Titles(saved.All().at(0)->songs), (Strings{"a song"}));
}

TEST(SourceManagerFindSong, ReturnsACopyOfTheFirstMatchInSourceAndSongOrder)
{
    SourceManager sources;
    sources.Add(ListOf("first", {Titled("x"), Titled("a", "same.mp3", "/one"), Titled("b", "same.mp3", "/two")}));
    sources.Add(ListOf("second", {Titled("c", "same.mp3", "/three"), Titled("d", "only.mp3")}));
    const VT::Song found = sources.FindSong("same.mp3");
    EXPECT_TRUE(SongSamples::SameTexts(found, Titled("a", "same.mp3", "/one")));
    EXPECT_EQ(sources.FindSong("only.mp3").GetTitle(), "d");
}

TEST(SourceManagerFindSong, ComparesTheBareFileNameExactly)
{
    SourceManager sources;
    EXPECT_THROW(sources.FindSong("a.mp3"), VT::not_found);
    sources.Add(ListOf("s", {Titled("a", "a.mp3", "/music")}));
    EXPECT_THROW(sources.FindSong("A.mp3"), VT::not_found);
    EXPECT_THROW(sources.FindSong("/music/a.mp3"), VT::not_found);
    EXPECT_THROW(sources.FindSong("a.mp3 "), VT::not_found);
    EXPECT_EQ(sources.FindSong("a.mp3").GetTitle(), "a");
}

struct Split {
    std::string folder;
    std::string name;
    bool operator==(const Split&) const = default;
};

Split SplitSource(const std::string& path)
{
    Split split{"stale", "stale"};
    SourceManager::SplitPath(path, split.folder, split.name);
    return split;
}

Split SplitFile(const std::string& path)
{
    Split split{"stale", "stale"};
    PlayListManager::SplitPath(path, split.folder, split.name);
    return split;
}

TEST(SourceManagerSplitPath, TakesTheLastCharacterForTheClosingSeparator)
{
    EXPECT_EQ(SplitSource("C:\\Music\\Rock\\"), (Split{"C:\\Music", "Rock"}));
    EXPECT_EQ(SplitSource("/home/me/Rock/"), (Split{"/home/me", "Rock"}));
    EXPECT_EQ(SplitSource("C:/Music\\Rock/"), (Split{"C:/Music", "Rock"}));
    EXPECT_EQ(SplitSource("C:\\Music"), (Split{"C:", "Musi"}));
    EXPECT_EQ(SplitSource("Rock\\"), (Split{"", "Rock\\"}));
    EXPECT_EQ(SplitSource("/Rock/"), (Split{"", "Rock"}));
    EXPECT_EQ(SplitSource("/"), (Split{"", "/"}));
    EXPECT_EQ(SplitSource(""), (Split{"", ""}));
}

TEST(PlayListManagerSplitPath, SplitsAtTheLastSeparatorOfEitherKind)
{
    EXPECT_EQ(SplitFile("C:\\Lists\\Mix.m3u"), (Split{"C:\\Lists", "Mix.m3u"}));
    EXPECT_EQ(SplitFile("/home/me/Mix.m3u"), (Split{"/home/me", "Mix.m3u"}));
    EXPECT_EQ(SplitFile("Mix.m3u"), (Split{"", "Mix.m3u"}));
    EXPECT_EQ(SplitFile("C:/Lists\\Mix.m3u"), (Split{"C:/Lists", "Mix.m3u"}));
    EXPECT_EQ(SplitFile("C:\\Lists/Mix.m3u"), (Split{"C:\\Lists", "Mix.m3u"}));
    EXPECT_EQ(SplitFile("C:\\Lists\\"), (Split{"C:\\Lists", ""}));
    EXPECT_EQ(SplitFile(""), (Split{"", ""}));
}

class PlayListEdits : public ::testing::Test {
protected:
    PlayListManager lists;
    ListPtr list = lists.Add(ListOf("Mix", {Titled("a"), Titled("b"), Titled("c")}));
};

TEST_F(PlayListEdits, AddSongsAppendsInOrder)
{
    lists.AddSongs({Titled("x"), Titled("y")}, list);
    EXPECT_EQ(Titles(list->songs), (Strings{"a", "b", "c", "x", "y"}));
    lists.AddSongs({}, list);
    EXPECT_EQ(list->songs.size(), 5U);
}

TEST_F(PlayListEdits, InsertSongsGoBeforeTheFirstEqualSongOrAtTheEnd)
{
    lists.InsertSongs({Titled("x")}, list, Titled("b"));
    lists.InsertSongs({Titled("y")}, list, Titled("missing"));
    EXPECT_EQ(Titles(list->songs), (Strings{"a", "x", "b", "c", "y"}));
}

TEST_F(PlayListEdits, RemoveSongsTakesOnlyTheNamedEntries)
{
    lists.AddSongs({Titled("b", "b-live.mp3")}, list);
    lists.RemoveSongs({Titled("b"), Titled("missing")}, list);
    EXPECT_EQ(Titles(list->songs), (Strings{"a", "c", "b"}));
    EXPECT_EQ(list->songs.back().GetFileName(), "b-live.mp3");
}

TEST_F(PlayListEdits, MoveSongsPutsThemBeforeTheGivenSong)
{
    lists.MoveSongs({Titled("c")}, list, Titled("a"));
    EXPECT_EQ(Titles(list->songs), (Strings{"c", "a", "b"}));
}

TEST_F(PlayListEdits, MovingASongBeforeItselfAppendsIt)
{
    lists.MoveSongs({Titled("a")}, list, Titled("a"));
    EXPECT_EQ(Titles(list->songs), (Strings{"b", "c", "a"}));
}

TEST_F(PlayListEdits, MovingASongKeepsItsTwinsInOtherFiles)
{
    lists.AddSongs({Titled("a", "a-live.mp3")}, list);
    lists.MoveSongs({Titled("a")}, list, Titled("c"));
    EXPECT_EQ(Titles(list->songs), (Strings{"b", "a", "c", "a"}));
    EXPECT_EQ(list->songs[1].GetFileName(), "a.mp3");
    EXPECT_EQ(list->songs[3].GetFileName(), "a-live.mp3");
}

TEST_F(PlayListEdits, MovingBeforeAMovedSongWithATwinGoesBeforeTheTwin)
{
    lists.AddSongs({Titled("a", "a-live.mp3")}, list);
    lists.MoveSongs({Titled("a"), Titled("b")}, list, Titled("a"));
    EXPECT_EQ(Titles(list->songs), (Strings{"c", "a", "b", "a"}));
    EXPECT_EQ(list->songs[3].GetFileName(), "a-live.mp3");
}

} // namespace
