#include "catalogue/Exceptions.h"
#include "catalogue/PlayListManager.h"
#include "catalogue/SourceManager.h"
#include "tests/support/SongSamples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace SongSamples;
using VT::ListPtr;
using VT::PlayList;
using VT::PlayListManager;
using VT::SourceManager;

template <typename Manager> std::vector<ListPtr> AddNamed(Manager& manager, const Strings& names)
{
    for (const std::string& name : names)
        manager.Add(ListOf(name, {Titled(name + " song")}));
    return manager.All();
}

TEST(ListManager, HandlesSurviveRemovingAnyOtherListAndTheCurrentOneIsForgotten)
{
    for (std::size_t removed = 0; removed < 4; ++removed) {
        SourceManager sources;
        std::vector<ListPtr> handles = AddNamed(sources, {"a", "b", "c", "d"});
        sources.SetCurrent(handles[1]);
        Strings expected = {"a", "b", "c", "d"};
        sources.Remove(handles[removed]);
        handles.erase(handles.begin() + static_cast<long>(removed));
        expected.erase(expected.begin() + static_cast<long>(removed));
        sources.Add(ListOf("e", {}));
        EXPECT_EQ(Names(handles), expected);
        expected.push_back("e");
        EXPECT_EQ(Names(sources.All()), expected);
        EXPECT_EQ(sources.GetCurrent().IsList(), removed != 1);
    }
}

TEST(ListManagerAssignment, KeepsTheHandlesOfTheFirstListsByPosition)
{
    for (std::size_t current : {1U, 4U}) {
        PlayListManager five;
        const std::vector<ListPtr> handles = AddNamed(five, {"1", "2", "3", "4", "5"});
        five.SetCurrent(handles[current]);
        PlayListManager three;
        AddNamed(three, {"a", "b", "c"});
        five = three;
        EXPECT_EQ(Names(five.All()), (Strings{"a", "b", "c"}));
        EXPECT_EQ(Names({handles[0], handles[1], handles[2]}), (Strings{"a", "b", "c"}));
        // The current list stays while its position does.
        EXPECT_EQ(five.GetCurrent() == handles[current], current < 3);
        EXPECT_EQ(five.GetCurrent().IsList(), current < 3);
    }
    PlayListManager three;
    const std::vector<ListPtr> handles = AddNamed(three, {"a", "b", "c"});
    PlayListManager five;
    AddNamed(five, {"1", "2", "3", "4", "5"});
    three = five;
    ListPtr next = handles[2];
    EXPECT_EQ(Names({handles[0], next, ++next}), (Strings{"1", "3", "4"}));
}

TEST(ListManagerCopy, SharesListsUntilOneSideEditsThem)
{
    PlayListManager live;
    const std::vector<ListPtr> handles = AddNamed(live, {"a", "b"});
    const PlayList* own = &*handles[0];
    EXPECT_EQ(&handles[0].Edit(), own) << "a list nobody shares is changed in place";
    const PlayListManager copy = live;
    const std::shared_ptr<const PlayList> shown = handles[0].Share();
    handles[0].Edit().songs.push_back(Titled("new"));
    handles[0].Edit().SetName("renamed");
    EXPECT_EQ(Titles(shown->songs), (Strings{"a song"}));
    EXPECT_EQ(Titles(handles[0]->songs), (Strings{"a song", "new"}));

    live = copy;
    EXPECT_EQ(&*handles[1], &*PlayListManager(copy).All().at(1)) << "a copy must not duplicate the lists";
    EXPECT_EQ(Names(handles), (Strings{"a", "b"}));
    EXPECT_EQ(Titles(handles[0]->songs), (Strings{"a song"}));
}

TEST(SourceManagerFindSong, ReturnsACopyOfTheFirstSongWithExactlyThatFileName)
{
    SourceManager sources;
    EXPECT_THROW(sources.FindSong("same.mp3"), VT::not_found);
    sources.Add(ListOf("first", {Titled("x"), Titled("a", "same.mp3", "/one"), Titled("b", "same.mp3", "/two")}));
    sources.Add(ListOf("second", {Titled("c", "same.mp3", "/three"), Titled("d", "only.mp3")}));
    EXPECT_TRUE(SameTexts(sources.FindSong("same.mp3"), Titled("a", "same.mp3", "/one")));
    EXPECT_EQ(sources.FindSong("only.mp3").GetTitle(), "d");
    for (const char* missing : {"Only.mp3", "/music/only.mp3", "only.mp3 "})
        EXPECT_THROW(sources.FindSong(missing), VT::not_found) << missing;
}

template <typename Manager> Strings Split(const std::string& path)
{
    Strings parts = {"stale", "stale"};
    Manager::SplitPath(path, parts[0], parts[1]);
    return parts;
}

TEST(ListManagerSplitPath, SplitsAtTheLastSlashOnlyABackslashBeingPartOfAName)
{
    // A source's folder path ends in its closing separator, which is never split at.
    const std::pair<std::string, Strings> folders[] = {
        {"/music/Rock/", {"/music", "Rock"}}, {"/music/AC\\DC/", {"/music", "AC\\DC"}},
        {"C:/Music\\Rock/", {"C:", "Music\\Rock"}}, {"C:/Music", {"C:", "Musi"}}, {"Rock\\", {"", "Rock\\"}},
        {"/Rock/", {"", "Rock"}}, {"/", {"", "/"}}, {"", {"", ""}}};
    for (const auto& [path, parts] : folders)
        EXPECT_EQ(Split<SourceManager>(path), parts) << path;
    const std::pair<std::string, Strings> files[] = {
        {"/lists/AC\\DC.m3u", {"/lists", "AC\\DC.m3u"}}, {"C:\\Lists/Mix.m3u", {"C:\\Lists", "Mix.m3u"}},
        {"Mix.m3u", {"", "Mix.m3u"}}, {"/lists/", {"/lists", ""}}, {"C:\\Lists\\", {"", "C:\\Lists\\"}}, {"", {"", ""}}};
    for (const auto& [path, parts] : files)
        EXPECT_EQ(Split<PlayListManager>(path), parts) << path;
}

TEST(PlayListEdits, AddAppendsAndMoveTakesTheNamedEntriesBeforeTheFirstEqualSongLeft)
{
    struct Case { std::vector<VT::Song> moved; VT::Song before; Strings files; };
    const Case cases[] = {
        {{Titled("c")}, Titled("a"), {"c.mp3", "a.mp3", "b.mp3", "a-live.mp3", "x.mp3"}},
        // Before itself, a song has left its place and goes to the end.
        {{Titled("b")}, Titled("b"), {"a.mp3", "c.mp3", "a-live.mp3", "x.mp3", "b.mp3"}},
        {{Titled("a")}, Titled("c"), {"b.mp3", "a.mp3", "c.mp3", "a-live.mp3", "x.mp3"}},
        {{Titled("a"), Titled("b")}, Titled("a"), {"c.mp3", "a.mp3", "b.mp3", "a-live.mp3", "x.mp3"}},
    };
    for (const Case& c : cases) {
        PlayListManager lists;
        const ListPtr list = lists.Add(ListOf("Mix", {Titled("a"), Titled("b"), Titled("c"), Titled("a", "a-live.mp3")}));
        lists.AddSongs({Titled("x")}, list);
        lists.MoveSongs(c.moved, list, c.before);
        EXPECT_EQ(FileNames(list->songs), c.files);
    }
}

} // namespace
