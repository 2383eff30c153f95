#include "tests/mainform/AppFormFixture.h"

#include "dialogs/loadthread.h"
#include "framework/MainThread.h"
#include "framework/Testing.h"

namespace {

using LoadThread = AppFormFixture;

TEST_F(LoadThread, RunsItsStepsInOrderOnTheMainThread)
{
    const std::string missing = Folder() / "missing/";
    Form().UseProgramFolder(missing);
    std::vector<std::string> shown;
    Testing::SetMessageHook([&shown](const std::string& text, const std::string&) {
        shown.push_back(OnMainThread() ? text : "off the main thread: " + text);
        return mrOk;
    });
    Form().ToolBoxState = 0;
    new TLoadThread(Form());
    Testing::WaitForWorkers();
    EXPECT_EQ(shown, (std::vector<std::string>{"There was an error loading Sources from : " + missing,
                                                "There was an error loading Play Lists from : " + missing}));
    // The options step starts the help; the tool-box step after it stops it for the search box.
    EXPECT_FALSE(Form().HelpRunning);
    EXPECT_EQ(Form().SearchGroupBox->Top(), Form().ClientHeight() - Form().SearchGroupBox->Height());
}

TEST_F(LoadThread, ReadsTheFolderThatWasSetWhenItStarted)
{
    WriteList(SongList("Jazz", 2), ".vts");
    WriteList(SongList("Party", 1), ".vtl");
    new TLoadThread(Form());
    Form().UseProgramFolder(Folder() / "elsewhere/");
    Testing::WaitForWorkers();
    EXPECT_EQ(Rows(*Form().SourceListBox), std::vector<std::string>{"Jazz (2)"});
    EXPECT_EQ(Rows(*Form().PlaylistListBox), std::vector<std::string>{"Party (1)"});
}

} // namespace
