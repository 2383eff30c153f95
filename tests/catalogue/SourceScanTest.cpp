#include "catalogue/Exceptions.h"
#include "catalogue/MP3Song.h"
#include "catalogue/Manager.h"
#include "platform/Separator.h"
#include "tests/support/Mp3Writer.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sys/stat.h>

namespace {

using TestSupport::Mp3Bytes;
using TestSupport::TempFolder;
using TestSupport::UntaggedMp3Bytes;

struct Call {
    std::string entry;
    std::int32_t added;
    std::int32_t total;
    bool operator==(const Call&) const = default;
};

// Records every progress call; answers true (cancel) on the call numbered `cancelAt`.
struct Recorder {
    std::vector<Call> calls;
    std::size_t cancelAt = SIZE_MAX;

    VT::ScanProgress Callback()
    {
        return [this](std::string entry, std::int32_t added, std::int32_t total) {
            calls.push_back({std::move(entry), added, total});
            return calls.size() - 1 == cancelAt;
        };
    }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> entries;
        for (const Call& call : calls)
            entries.push_back(call.entry);
        return entries;
    }
};

std::vector<std::string> Titles(const VT::PlayList& list)
{
    std::vector<std::string> titles;
    for (const VT::Song& song : list.songs)
        titles.push_back(song.GetTitle());
    return titles;
}

std::string Tagged(const std::string& title)
{
    TestSupport::Id3v1 tag;
    tag.title = title;
    tag.artist = "Band";
    return Mp3Bytes(tag);
}

TEST(SourceScan, ReportsEveryEntryBeforeReadingItAndKeepsTheListingOrder)
{
    TempFolder folder;
    // Each song is titled with its file's name, so the songs show the order they came in.
    for (const char* name : {"a.mp3", "c.mp3", "d.mp3"})
        folder.Write(name, Tagged(name));
    folder.Write("b.txt", "text");
    folder.MakeFolder("Sub");
    VT::Manager model;
    Recorder recorder;
    const VT::ListPtr source = model.AddSource(folder.Path(), recorder.Callback());

    // The listing order is the file system's: derive what each call must carry from the
    // order the calls came in.
    std::vector<std::string> sorted = recorder.Entries();
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{"Sub", "a.mp3", "b.txt", "c.mp3", "d.mp3"}));
    std::int32_t added = 0;
    std::vector<std::string> expectedTitles;
    for (const Call& call : recorder.calls) {
        EXPECT_EQ(call, (Call{call.entry, added, 5}));
        if (call.entry.ends_with(".mp3")) {
            expectedTitles.push_back(call.entry);
            ++added;
        }
    }
    EXPECT_EQ(Titles(*source), expectedTitles);
    EXPECT_EQ(model.GetSources().size(), 1u);
}

TEST(SourceScan, SongsKnowTheirFiles)
{
    TempFolder folder;
    folder.Write("a.mp3", Tagged("A"));
    VT::Manager model;
    const VT::ListPtr source = model.AddSource(folder.Path());
    ASSERT_EQ(source->songs.size(), 1u);
    const VT::Song& song = source->songs[0];
    EXPECT_EQ(song.GetArtist(), "Band");
    EXPECT_EQ(song.GetFileName(), "a.mp3");
    EXPECT_EQ(song.GetPath(), folder / "a.mp3");
    EXPECT_EQ(song.GetFolder() + Platform::Separator, folder.Path());
    EXPECT_EQ(song.GetType(), "mp3");
    EXPECT_EQ(source->GetFilePath(), "");
}

TEST(SourceScan, AnUntaggedFileIsReportedTwiceAndTitledAfterItsName)
{
    TempFolder folder;
    folder.Write("Intro.mp3", UntaggedMp3Bytes());
    VT::Manager model;
    Recorder recorder;
    const VT::ListPtr source = model.AddSource(folder.Path(), recorder.Callback());
    EXPECT_EQ(recorder.calls, (std::vector<Call>{{"Intro.mp3", 0, 1}, {"Intro.mp3", 0, 1}}));
    ASSERT_EQ(source->songs.size(), 1u);
    const VT::Song& song = source->songs[0];
    EXPECT_EQ(song.GetTitle(), "Intro");
    EXPECT_EQ(song.GetArtist() + song.GetAlbum() + song.GetYear() + song.GetGenre(), "");
}

TEST(SourceScan, ClearsTheReadingSongBeforeEveryEntry)
{
    TempFolder folder;
    folder.Write("Intro.mp3", UntaggedMp3Bytes());
    VT::MP3Song reading;
    reading.SetArtist("Stale");
    reading.SetAlbum("Stale");
    VT::PlayList list;
    VT::SourceManager::ScanFolder(list, folder.Path(), reading, {});
    ASSERT_EQ(list.songs.size(), 1u);
    EXPECT_EQ(list.songs[0].GetArtist(), "");
    EXPECT_EQ(list.songs[0].GetAlbum(), "");
}

TEST(SourceScan, SkipsWhatIsNoReadableMp3File)
{
    TempFolder folder;
    folder.Write(".mp3", UntaggedMp3Bytes());
    folder.Write("SONG.MP3", Tagged("Upper"));
    folder.Write("Song.Mp3", Tagged("Mixed"));
    folder.Write("short.mp3", "TAG too short");
    folder.MakeFolder("dir.mp3");
    ASSERT_EQ(mkfifo((folder / "pipe.mp3").c_str(), 0600), 0);
    VT::Manager model;
    Recorder recorder;
    const VT::ListPtr source = model.AddSource(folder.Path(), recorder.Callback());
    EXPECT_EQ(Titles(*source), std::vector<std::string>{"Upper"});
    // Each entry once: ".mp3" is too short a name to be titled, so it gets no second call.
    EXPECT_EQ(recorder.calls.size(), 6u);
}

TEST(SourceScan, DoesNotEnterSubFolders)
{
    TempFolder folder;
    folder.MakeFolder("Sub");
    folder.Write("Sub/inner.mp3", Tagged("Inner"));
    VT::Manager model;
    Recorder recorder;
    const VT::ListPtr source = model.AddSource(folder.Path(), recorder.Callback());
    EXPECT_TRUE(source->songs.empty());
    EXPECT_EQ(recorder.calls, (std::vector<Call>{{"Sub", 0, 1}}));
}

TEST(SourceScan, CancellingAddsNothing)
{
    TempFolder folder;
    folder.Write("Intro.mp3", UntaggedMp3Bytes());
    for (const std::size_t cancelAt : {0u, 1u}) {
        VT::Manager model;
        Recorder recorder;
        recorder.cancelAt = cancelAt;
        EXPECT_THROW(model.AddSource(folder.Path(), recorder.Callback()), VT::cancel_opendir);
        EXPECT_EQ(recorder.calls.size(), cancelAt + 1);
        EXPECT_TRUE(model.GetSources().empty());
    }
}

TEST(SourceScan, RunsWithoutACallback)
{
    TempFolder folder;
    folder.Write("a.mp3", Tagged("A"));
    folder.Write("Intro.mp3", UntaggedMp3Bytes());
    VT::Manager model;
    const VT::ListPtr source = model.AddSource(folder.Path());
    std::vector<std::string> titles = Titles(*source);
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ(titles, (std::vector<std::string>{"A", "Intro"}));
}

TEST(SourceScan, AnEmptyFolderGivesASourceWithoutSongs)
{
    TempFolder folder;
    VT::Manager model;
    Recorder recorder;
    const VT::ListPtr source = model.AddSource(folder.Path(), recorder.Callback());
    EXPECT_TRUE(source->songs.empty());
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(model.GetSources().size(), 1u);
}

TEST(SourceScan, AFolderThatCannotBeListedAddsNothing)
{
    TempFolder folder;
    folder.Write("file", "x");
    VT::Manager model;
    EXPECT_THROW(model.AddSource(folder / "missing/"), VT::invalid_directory);
    EXPECT_THROW(model.AddSource(folder / "file/"), VT::invalid_directory);
    EXPECT_TRUE(model.GetSources().empty());
}

TEST(SourceScan, NamesTheSourceAfterItsFolder)
{
    TempFolder folder;
    folder.MakeFolder("Music/Rock");
    VT::Manager model;
    EXPECT_EQ(model.AddSource(folder / "Music/Rock/")->GetName(), "Rock");
    // With no separator before the closing one the whole text is the name.
    EXPECT_EQ(model.AddSource("./")->GetName(), "./");
}

} // namespace
