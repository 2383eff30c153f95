#include "tests/mainform/AppFormFixture.h"

#include "dialogs/aboutdlg.h"
#include "dialogs/messagebox.h"
#include "dialogs/qeastiondlg.h"

#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace {

using MessageBoxes = AppFormFixture;

// Runs `user` once the modal box is up, as the user would act on it.
void WhenShown(TForm& box, std::function<void()> user)
{
    QTimer::singleShot(0, [&box, user = std::move(user)] {
        ASSERT_TRUE(WaitUntil([&box] { return box.Visible(); }));
        user();
    });
}

void Click(TSpeedButton& button)
{
    QTest::mouseClick(button.Widget(), Qt::LeftButton);
}

int LinesShown(TStaticText& text)
{
    auto* label = static_cast<QLabel*>(text.Widget());
    const int lineHeight = label->fontMetrics().lineSpacing();
    return label->heightForWidth(label->width()) / lineHeight;
}

TEST_F(MessageBoxes, TheMessageBoxShowsItsTextAndAnswersOneForOk)
{
    TMessageDialog dialog;
    EXPECT_EQ(dialog.Caption->Width(), 441);
    EXPECT_EQ(dialog.ClientWidth(), 458);
    EXPECT_EQ(dialog.ClientHeight(), 191);
    WhenShown(dialog, [&dialog] {
        EXPECT_EQ(dialog.Caption->Caption(), "Error: Could not find \"faq.pdf\"");
        EXPECT_EQ(dialog.TForm::Caption(), "Message!");
        Click(*dialog.Ok);
    });
    EXPECT_EQ(dialog.ShowMessage("Error: Could not find \"faq.pdf\""), mrOk);
    EXPECT_FALSE(dialog.Visible());
}

TEST_F(MessageBoxes, TheMessageBoxsCloseBoxAnswersTwo)
{
    TMessageDialog dialog;
    WhenShown(dialog, [&dialog] { dialog.Widget()->close(); });
    EXPECT_EQ(dialog.ShowMessage("Closed"), mrCancel);
}

TEST_F(MessageBoxes, AMessageWithALineBreakShowsTwoLines)
{
    TMessageDialog dialog;
    int oneLine = 0;
    int twoLines = 0;
    WhenShown(dialog, [&] {
        oneLine = LinesShown(*dialog.Caption);
        Click(*dialog.Ok);
    });
    dialog.ShowMessage("The first line");
    WhenShown(dialog, [&] {
        twoLines = LinesShown(*dialog.Caption);
        Click(*dialog.Ok);
    });
    dialog.ShowMessage("The first line\nThe second line");
    EXPECT_EQ(oneLine, 1);
    EXPECT_EQ(twoLines, 2);
}

TEST_F(MessageBoxes, TheQuestionTakesItsCaptionAndAnswersOneForOk)
{
    TQuestionDialog dialog;
    EXPECT_EQ(dialog.ClientWidth(), 317);
    EXPECT_EQ(dialog.ClientHeight(), 143);
    WhenShown(dialog, [&dialog] {
        EXPECT_EQ(dialog.TForm::Caption(), "Overwrite");
        EXPECT_EQ(dialog.Caption->Caption(), "Would you like to overwrite the file \"x.m3u\"?");
        Click(*dialog.Ok);
    });
    EXPECT_EQ(dialog.Ask("Overwrite", "Would you like to overwrite the file \"x.m3u\"?"), mrOk);
}

TEST_F(MessageBoxes, TheQuestionAnswersTwoForCancelAndForItsCloseBox)
{
    TQuestionDialog dialog;
    WhenShown(dialog, [&dialog] { Click(*dialog.Cancel); });
    EXPECT_EQ(dialog.Ask("Overwrite", "Sure?"), mrCancel);
    WhenShown(dialog, [&dialog] { dialog.Widget()->close(); });
    EXPECT_EQ(dialog.Ask("Overwrite", "Sure?"), mrCancel);
}

TEST_F(MessageBoxes, TheAboutBoxShowsItsPictureAndClosesWithOk)
{
    TAbout about;
    EXPECT_EQ(about.TForm::Caption(), "About");
    EXPECT_EQ(about.ClientWidth(), 301);
    EXPECT_EQ(about.ClientHeight(), 393);
    const QPixmap picture = static_cast<QLabel*>(about.Image1->Widget())->pixmap();
    EXPECT_EQ(picture.size(), QSize(302, 281));
    EXPECT_NE(about.StaticText1->Caption().find("Vesk Tunelo"), std::string::npos);
    WhenShown(about, [&about] { Click(*about.Ok); });
    EXPECT_EQ(about.ShowModal(), mrOk);
}

} // namespace
