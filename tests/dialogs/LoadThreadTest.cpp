#include "dialogs/loadthread.h"
#include "framework/MainThread.h"
#include "tests/support/ApplicationFixture.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

namespace {

using LoadThread = ApplicationFixture;

// Each step in its order, with the names of the lists it was given; a step that ran off
// the main thread says so.
TEST_F(LoadThread, ReadsTheListsOfItsFolderAndRunsTheFourStepsInOrderOnTheMainThread)
{
    TestSupport::TempFolder folder;
    folder.Write("Jazz.vts", SongSamples::FileOf("Jazz"));
    folder.Write("Party.vtl", SongSamples::FileOf("Party"));
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
        {folder.Path(), {"sources Jazz", "play lists Party", "options", "tool box"}},
        {folder / "missing/", {"sources unlisted", "play lists unlisted", "options", "tool box"}},
    };
    for (const auto& [programFolder, expected] : cases) {
        std::vector<std::string> steps;
        const auto step = [&steps](std::string name, const ReadLists& lists = std::vector<VT::PlayList>{}) {
            for (const VT::PlayList& list : lists.value_or(std::vector<VT::PlayList>{}))
                name += " " + list.GetName();
            steps.push_back(name + (lists ? "" : " unlisted") + (OnMainThread() ? "" : " off the main thread"));
        };
        new TLoadThread(programFolder, {.LoadSources = [&](ReadLists lists) { step("sources", lists); },
                                        .LoadPlayLists = [&](ReadLists lists) { step("play lists", lists); },
                                        .LoadOptions = [&] { step("options"); },
                                        .LayoutToolBox = [&] { step("tool box"); }});
        Testing::WaitForWorkers();
        EXPECT_EQ(steps, expected);
    }
}

} // namespace
