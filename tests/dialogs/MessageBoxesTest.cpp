#include "dialogs/aboutdlg.h"
#include "dialogs/messagebox.h"
#include "dialogs/qeastiondlg.h"
#include "tests/support/ApplicationFixture.h"

#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using MessageBoxes = ApplicationFixture;

// Runs `user` once the modal box is up, as the user would act on it.
void WhenShown(TForm& box, std::function<void()> user)
{
    QTimer::singleShot(0, [&box, user = std::move(user)] {
        ASSERT_TRUE(TestSupport::WaitUntil([&box] { return box.Visible(); }));
        user();
    });
}

void Click(TSpeedButton& button)
{
    QTest::mouseClick(button.Widget(), Qt::LeftButton);
}

TEST_F(MessageBoxes, TheMessageBoxShowsItsTextAndAnswersOneForOk)
{
    TMessageDialog dialog;
    WhenShown(dialog, [&dialog] {
        EXPECT_EQ(dialog.Caption(), "Message!");
        EXPECT_EQ(dialog.CaptionText->Caption(), "Error: Could not find \"faq.pdf\"");
        Click(*dialog.Ok);
    });
    EXPECT_EQ(dialog.ShowMessage("Error: Could not find \"faq.pdf\""), mrOk);
}

TEST_F(MessageBoxes, TheQuestionTakesItsCaptionAndAnswersOneForOkAndTwoForCancel)
{
    TQuestionDialog dialog;
    const std::string question = "Would you like to overwrite the file \"x.m3u\"?";
    WhenShown(dialog, [&] {
        EXPECT_EQ(dialog.Caption(), "Overwrite");
        EXPECT_EQ(dialog.CaptionText->Caption(), question);
        Click(*dialog.Ok);
    });
    EXPECT_EQ(dialog.Ask("Overwrite", question), mrOk);
    WhenShown(dialog, [&dialog] { Click(*dialog.Cancel); });
    EXPECT_EQ(dialog.Ask("Overwrite", question), mrCancel);
}

TEST_F(MessageBoxes, TheAboutBoxClosesWithOk)
{
    TAbout about;
    WhenShown(about, [&about] { Click(*about.Ok); });
    EXPECT_EQ(about.ShowModal(), mrOk);
}

} // namespace
