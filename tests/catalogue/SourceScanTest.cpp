#include "catalogue/Exceptions.h"
#include "catalogue/MP3Song.h"
#include "catalogue/Manager.h"
#include "tests/support/Mp3Writer.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace {

using namespace SongSamples;
using TestSupport::TempFolder;
using TestSupport::UntaggedMp3Bytes;

// The entry, the songs added so far and the number of all entries.
using Call = std::tuple<std::string, std::int32_t, std::int32_t>;

// Records every progress call; answers true (cancel) on the call numbered `cancelAt`.
struct Recorder {
    std::vector<Call> calls;
    std::size_t cancelAt = SIZE_MAX;

    VT::ScanProgress Callback()
    {
        return [this](std::string entry, std::int32_t added, std::int32_t total) {
            calls.emplace_back(std::move(entry), added, total);
            return calls.size() - 1 == cancelAt;
        };
    }
};

TEST(SourceScan, ReportsEveryEntryBeforeReadingItAndKeepsTheListingOrder)
{
    TempFolder folder;
    // Each song is titled with its file's name, so the songs show the order they came in.
    for (const char* name : {"a.mp3", "c.mp3", "SONG.MP3", "b.txt", "Song.Mp3"})
        folder.Write(name, Tagged(name));
    folder.Write("short.mp3", "TAG");
    // Too short a name to title an untagged song, so reported once only.
    folder.Write(".mp3", UntaggedMp3Bytes());
    folder.MakeFolder("Sub");
    folder.Write("Sub/inner.mp3", Tagged("inner"));
    VT::Manager model;
    Recorder recorder;
    const VT::ListPtr source = model.AddSource(folder.Path(), recorder.Callback());

    // The listing order is the file system's: derive what each call must carry from the
    // order the calls came in.
    std::int32_t added = 0;
    Strings entries;
    Strings songs;
    for (const auto& [entry, addedBefore, total] : recorder.calls) {
        EXPECT_EQ(addedBefore, added);
        EXPECT_EQ(total, 8);
        entries.push_back(entry);
        if (entry == "a.mp3" || entry == "c.mp3" || entry == "SONG.MP3") {
            songs.push_back(entry);
            ++added;
        }
    }
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (Strings{".mp3", "SONG.MP3", "Song.Mp3", "Sub", "a.mp3", "b.txt", "c.mp3", "short.mp3"}));
    EXPECT_EQ(Titles(*source), songs);
    EXPECT_EQ(source->songs.at(0).GetPath(), folder / songs.at(0));
}

TEST(SourceScan, AnUntaggedFileIsReportedTwiceAndTitledAfterItsNameAlone)
{
    TempFolder folder;
    folder.Write("Intro.mp3", UntaggedMp3Bytes());
    VT::MP3Song reading;
    reading.SetArtist("Stale");
    Recorder recorder;
    VT::PlayList list;
    VT::SourceManager::ScanFolder(list, folder.Path(), reading, recorder.Callback());
    EXPECT_EQ(recorder.calls, (std::vector<Call>{{"Intro.mp3", 0, 1}, {"Intro.mp3", 0, 1}}));
    const std::string inFolder = folder.PathWithoutSeparator();
    EXPECT_TRUE(SameTexts(list.songs.at(0), Make({.title = "Intro", .fileName = "Intro.mp3", .folder = inFolder,
                                                  .path = folder / "Intro.mp3", .type = "mp3"})));
}

TEST(SourceScan, CancellingAtEitherCallAddsNothing)
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

TEST(SourceScan, NamesTheSourceAfterItsFolderAndAddsNoneForAFolderThatCannotBeListed)
{
    TempFolder folder;
    folder.Write("file", "x");
    VT::Manager model;
    Recorder recorder;
    EXPECT_TRUE(model.AddSource(folder.MakeFolder("Music/Rock"), recorder.Callback())->songs.empty());
    EXPECT_TRUE(recorder.calls.empty());
    // With no separator before the closing one the whole text is the name.
    EXPECT_EQ(model.AddSource("./")->GetName(), "./");
    EXPECT_EQ(model.AddSource(folder.MakeFolder("AC\\DC"))->GetName(), "AC\\DC");
    // Cut at its NUL, the last name would reach the folder "Music".
    for (const std::string& unlisted : Strings{"missing/", "file/", std::string("Music\0/", 7)})
        EXPECT_THROW(model.AddSource(folder / unlisted), VT::invalid_directory) << unlisted;
    EXPECT_EQ(Names(model.GetSources()), (Strings{"Rock", "./", "AC\\DC"}));
}

} // namespace
