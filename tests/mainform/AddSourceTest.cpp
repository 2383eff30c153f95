#include "tests/mainform/AppFormFixture.h"

#include "dialogs/loadprogressbarform.h"
#include "dialogs/messagebox.h"
#include "dialogs/opensourcedialog.h"
#include "platform/FolderListing.h"
#include "tests/support/Worker.h"

#include <QTest>

#include <filesystem>
#include <future>

namespace {

// The window loaded; the music folder is picked in the source dialog when it is shown.
class AddingASource : public ListFormFixture {
protected:
    void SetUp() override
    {
        ListFormFixture::SetUp();
        Application->CreateForm(OpenSourceDlg);
        Application->CreateForm(LoadProgressBar);
        Application->CreateForm(MessageDialog);
        Testing::SetModalHook([this](TForm& form) {
            if (&form == MessageDialog) {
                messages.push_back(MessageDialog->CaptionText->Caption());
                return mrOk;
            }
            OpenSourceDlg->DirectoryListBox->SetDirectory(music.Path() + "Rock");
            OpenSourceDlg->OkClick();
            return OpenSourceDlg->ModalResult();
        });
        music.MakeFolder("Rock");
        for (int i = 1; i <= 25; ++i) {
            const std::string name = "Rock/" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".mp3";
            music.Write(name, SongSamples::Tagged("Song " + std::to_string(i)));
        }
    }

    // The window as the user sees it while the scan starts.
    void ClickFind()
    {
        QTest::mouseClick(Form().AddSourceButton->Widget(), Qt::LeftButton);
        ASSERT_TRUE(LoadProgressBar->Visible());
        ASSERT_FALSE(Form().Enabled());
        EXPECT_EQ(LoadProgressBar->PathLabel->Caption(), "Folder \"" + music.Path() + "Rock\"");
    }

    TestSupport::TempFolder music;
};

// Reports for done 0, 10 and 20 are left out: the bar ends at 22 of 25. The keys go
// where they went before the scan.
TEST_F(AddingASource, ScanTheFolderWithProgressAndAddItsRowAtTheEnd)
{
    AddSource(SongList("Jazz", 2));
    Form().PlaylistListBox->SetFocus();
    ClickFind();
    Testing::WaitForWorkers();
    EXPECT_EQ(Rows(*Form().SourceListBox), (Strings{"Jazz (2)", "Rock (25)"}));
    EXPECT_EQ(Form().SourceInfos.back().Name, "Rock");
    EXPECT_EQ(LoadProgressBar->ProgressBar->Position(), 22);
    EXPECT_EQ(LoadProgressBar->ProgressBar->Max(), 25);
    // The last report is for the folder's last entry, in the order the folder lists them.
    EXPECT_EQ(LoadProgressBar->InfoLabel->Caption(), "Adding \"" + Platform::ListFolder(music.Path() + "Rock/")->back() + "\"");
    EXPECT_EQ(LoadProgressBar->InfoLabel2->Caption(), "There are 1 songs left to process.");
    EXPECT_FALSE(LoadProgressBar->Visible());
    EXPECT_TRUE(Form().Enabled());
    EXPECT_EQ(Form().Widget()->focusWidget(), Form().PlaylistListBox->Widget());
    EXPECT_TRUE(messages.empty());
}

// Cancel, a vanished folder: nothing added, the window enabled again.
TEST_F(AddingASource, EndACancelledOrFailedScanWithTheWindowEnabled)
{
    for (const bool vanish : {false, true}) {
        ClickFind();
        if (vanish)
            std::filesystem::remove_all(music.Path() + "Rock");
        else
            QTest::mouseClick(LoadProgressBar->Cancel->Widget(), Qt::LeftButton);
        Testing::WaitForWorkers();
        EXPECT_EQ(Form().SourceListBox->Items().Count(), 0);
        EXPECT_EQ(Form().Model.GetSources().size(), 0u);
        EXPECT_FALSE(LoadProgressBar->Visible());
        EXPECT_EQ(LoadProgressBar->Cancelled, 0);
        EXPECT_TRUE(Form().Enabled());
    }
    EXPECT_EQ(messages, Strings{"There was an error loading the source"});
}

// Reports never wait for the window, so Cancel is read at every file however many
// reports are on their way; merged reports still advance the bar once each.
TEST_F(AddingASource, HandReportsOverWithoutWaitingAndCountEachOne)
{
    LoadProgressBar->StartFolder("Rock");
    std::promise<void> reported;
    new TestSupport::Worker([&] {
        for (int done = 0; done < 100000; ++done)
            Form().ReportLoadProgress("x.mp3", done, 100000);
        reported.set_value();
    });
    QCoreApplication::processEvents();
    ASSERT_EQ(reported.get_future().wait_for(std::chrono::minutes(1)), std::future_status::ready);
    LoadProgressBar->CancelClick();
    EXPECT_TRUE(Form().ReportLoadProgress("y.mp3", 5, 100000));
    Testing::WaitForWorkers();
    QCoreApplication::processEvents();
    EXPECT_EQ(LoadProgressBar->ProgressBar->Position(), 90001);
    EXPECT_EQ(LoadProgressBar->InfoLabel->Caption(), "Adding \"y.mp3\"");
}

} // namespace
