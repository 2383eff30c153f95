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

TEST_F(MessageBoxes, TheMessageAndTheQuestionShowTheirTextsAndAnswerOneForOkAndTwoForCancel)
{
    TMessageDialog message;
    const std::string missing = "Error: Could not find \"faq.pdf\"";
    WhenShown(message, [&] {
        EXPECT_EQ(message.Caption() + ": " + message.CaptionText->Caption(), "Message!: " + missing);
        Click(*message.Ok);
    });
    EXPECT_EQ(message.ShowMessage(missing), mrOk);
    TQuestionDialog question;
    const std::string overwrite = "Would you like to overwrite the file \"x.m3u\"?";
    for (TSpeedButton* answer : {question.Ok, question.Cancel}) {
        WhenShown(question, [&] {
            EXPECT_EQ(question.Caption() + ": " + question.CaptionText->Caption(), "Overwrite: " + overwrite);
            Click(*answer);
        });
        EXPECT_EQ(question.Ask("Overwrite", overwrite), answer == question.Ok ? mrOk : mrCancel);
    }
}

TEST_F(MessageBoxes, TheAboutBoxClosesWithOk)
{
    TAbout about;
    WhenShown(about, [&about] { Click(*about.Ok); });
    EXPECT_EQ(about.ShowModal(), mrOk);
}

} // namespace
