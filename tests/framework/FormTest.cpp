#include "tests/framework/FrameworkTest.h"

#include "framework/TButton.h"
#include "framework/Testing.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

class MainWindow : public TForm {};
class Dialog : public TForm {
public:
    Dialog() { ok.OnClick = [this] { SetModalResult(mrOk); }; }
    TButton& ok = Make<TButton>(*this);
};

using Forms = FrameworkTest;

TEST_F(Forms, EndAModalRunWithTheResultAHandlerSets)
{
    Dialog dialog;
    QTimer::singleShot(0, [&] { QTest::mouseClick(dialog.ok.Widget(), Qt::LeftButton); });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_FALSE(dialog.Visible());
}

TEST_F(Forms, GiveCancelWhenTheCloseBoxEndsAModalRun)
{
    Dialog dialog;
    QTimer::singleShot(0, [&] { dialog.Widget()->close(); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(dialog.ModalResult(), mrCancel);
}

TEST_F(Forms, StayModalWhenOnCloseRefuses)
{
    Dialog dialog;
    int asked = 0;
    dialog.OnClose = [&](TCloseAction& action) {
        if (++asked == 1)
            action = caNone;
    };
    QTimer::singleShot(0, [&] {
        dialog.Widget()->close();
        QTimer::singleShot(0, [&] { QTest::mouseClick(dialog.ok.Widget(), Qt::LeftButton); });
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(asked, 2);
}

TEST_F(Forms, TakeQueuedAnswersWithoutShowing)
{
    Dialog dialog;
    int shown = 0;
    dialog.OnShow = [&] { ++shown; };
    Testing::QueueAnswer(mrOk);
    Testing::QueueAnswer(mrCancel);
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(shown, 0);
}

TEST_F(Forms, LetAHookFillTheFormAndAnswer)
{
    Dialog dialog;
    dialog.SetCaption("Name");
    Testing::SetModalHook([](TForm& form) {
        form.SetCaption(form.Caption() + " seen");
        return mrOk;
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(dialog.Caption(), "Name seen");
}

TEST_F(Forms, RefuseToCloseWhileDisabled)
{
    Dialog dialog;
    int closes = 0;
    dialog.OnClose = [&](TCloseAction&) { ++closes; };
    dialog.Show();
    dialog.SetEnabled(false);
    dialog.Widget()->close();
    dialog.Close();
    EXPECT_TRUE(dialog.Visible());
    EXPECT_EQ(closes, 0);
    dialog.SetEnabled(true);
    dialog.Widget()->close();
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(closes, 1);
}

TEST_F(Forms, AreWindowsOfTheirOwnSoADisabledMainFormLeavesThemUsable)
{
    MainWindow* main = nullptr;
    Dialog* dialog = nullptr;
    Application->CreateForm(main);
    Application->CreateForm(dialog);
    EXPECT_TRUE(dialog->Widget()->isWindow());
    EXPECT_EQ(dialog->Widget()->parentWidget(), nullptr);
    main->Show();
    dialog->Show();
    main->SetEnabled(false);
    EXPECT_TRUE(dialog->ok.Widget()->isEnabled());
    int clicks = 0;
    dialog->ok.OnClick = [&] { ++clicks; };
    QTest::mouseClick(dialog->ok.Widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Forms, RaiseOnActivateEachTimeTheyBecomeTheActiveWindow)
{
    MainWindow first;
    Dialog second;
    int activations = 0;
    first.OnActivate = [&] { ++activations; };
    first.Show();
    ASSERT_TRUE(WaitUntil([&] { return activations == 1; }));
    second.Show();
    ASSERT_TRUE(WaitUntil([&] { return second.Active(); }));
    first.Show();
    EXPECT_TRUE(WaitUntil([&] { return activations == 2; }));
}

TEST_F(Forms, HideOrFreeOrStayAsOnCloseDecides)
{
    MainWindow* main = nullptr;
    Dialog* dialog = nullptr;
    Application->CreateForm(main);
    Application->CreateForm(dialog);
    TCloseAction chosen = caNone;
    dialog->OnClose = [&](TCloseAction& action) { action = chosen; };
    dialog->Show();
    dialog->Close();
    EXPECT_TRUE(dialog->Visible());
    chosen = caHide;
    dialog->Close();
    EXPECT_FALSE(dialog->Visible());
    dialog->Show();
    chosen = caFree;
    QPointer<QWidget> window(dialog->Widget());
    dialog->Close();
    EXPECT_FALSE(window.isNull());
    Testing::ProcessIdle();
    EXPECT_TRUE(window.isNull());
}

TEST_F(Forms, EndTheApplicationWhenTheMainFormCloses)
{
    MainWindow* main = nullptr;
    Application->CreateForm(main);
    main->Show();
    bool asked = false;
    main->OnClose = [&](TCloseAction&) { asked = true; };
    main->Close();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(Forms, RaiseOnResizeWhenTheClientAreaChangesSize)
{
    MainWindow form;
    form.SetBounds(0, 0, 300, 200);
    std::vector<int> heights;
    form.OnResize = [&] { heights.push_back(form.ClientHeight()); };
    form.SetClientHeight(250);
    form.SetLeft(40);
    form.Show();
    form.Widget()->resize(300, 220);
    EXPECT_EQ(heights, (std::vector<int>{250, 220}));
}

TEST_F(Forms, StayAtLeastAsLargeAsTheirMinimumSize)
{
    MainWindow form;
    form.SetMinWidth(800);
    form.SetMinHeight(600);
    form.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(form.Width(), 800);
    EXPECT_EQ(form.Height(), 600);
}

TEST_F(Forms, CentreOnTheScreenOrOnTheMainForm)
{
    MainWindow* main = nullptr;
    Dialog* dialog = nullptr;
    Application->CreateForm(main);
    Application->CreateForm(dialog);
    main->SetBounds(0, 0, 400, 300);
    main->SetPosition(poScreenCenter);
    main->Show();
    // Placed before it is shown, when the window manager's frame is not known yet.
    const int frame = (main->Width() - 400) / 2;
    const QRect screen = main->Widget()->screen()->availableGeometry();
    EXPECT_EQ(main->Left(), screen.x() + (screen.width() - 400) / 2);
    EXPECT_EQ(main->Top(), screen.y() + (screen.height() - 300) / 2);
    dialog->SetBounds(0, 0, 100, 50);
    dialog->SetPosition(poMainFormCenter);
    dialog->Show();
    EXPECT_NEAR(dialog->Left() - main->Left(), 150, frame);
    EXPECT_NEAR(dialog->Top() - main->Top(), 125, frame);
}

TEST_F(Forms, ShowTheirCaptionInTheTitleBar)
{
    MainWindow form;
    form.SetCaption("Vesk Tunelo \xE9");
    EXPECT_EQ(form.Widget()->windowTitle(), QString::fromUtf8("Vesk Tunelo é"));
    EXPECT_EQ(form.Caption(), "Vesk Tunelo \xE9");
}

void Drop(QWidget& window, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &drop);
}

TEST_F(Forms, ReceiveTheNamesOfFilesDroppedFromTheDesktop)
{
    MainWindow form;
    form.Show();
    std::vector<std::vector<std::string>> drops;
    form.OnFilesDropped = [&](const std::vector<std::string>& files) { drops.push_back(files); };
    const QList<QUrl> urls{QUrl::fromLocalFile("/music/a.mp3"), QUrl("https://example.org/x"),
                           QUrl::fromLocalFile(QString::fromUtf8("/music/é.mp3"))};
    Drop(*form.Widget(), urls);
    EXPECT_TRUE(drops.empty());
    form.SetAcceptFiles(true);
    Drop(*form.Widget(), urls);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0], (std::vector<std::string>{"/music/a.mp3", "/music/\xC3\xA9.mp3"}));
}

} // namespace
