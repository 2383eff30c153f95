#include "tests/framework/FrameworkTest.h"

#include "framework/Testing.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <string>

namespace {

class MainWindow : public TForm {};

class SomeDialog : public TForm {};

using ApplicationObject = FrameworkTest;

TEST_F(ApplicationObject, TakesTheFirstFormMadeAsTheMainForm)
{
    MainWindow* main = nullptr;
    SomeDialog* dialog = nullptr;
    Application->CreateForm(main);
    Application->CreateForm(dialog);
    EXPECT_EQ(Application->MainForm(), main);
    EXPECT_FALSE(main->Visible());
    EXPECT_FALSE(dialog->Visible());
}

TEST_F(ApplicationObject, RunsUntilTheMainFormHasClosed)
{
    MainWindow* main = nullptr;
    Application->CreateForm(main);
    bool shownWhileRunning = false;
    QTimer::singleShot(0, [&] {
        shownWhileRunning = main->Visible();
        main->Close();
    });
    Application->Run();
    EXPECT_TRUE(shownWhileRunning);
    EXPECT_TRUE(Application->Terminated());
    // A later modal loop still runs: ending the application's loop left no trace.
    SomeDialog dialog;
    QTimer::singleShot(0, [&] { dialog.SetModalResult(mrOk); });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
}

TEST_F(ApplicationObject, RunReturnsAtOnceWhenTheMainFormClosedBefore)
{
    MainWindow* main = nullptr;
    Application->CreateForm(main);
    main->Close();
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(ApplicationObject, KnowsTheFullPathOfItsExecutable)
{
    const std::string exe = Application->ExeName();
    EXPECT_EQ(exe.front(), '/');
    EXPECT_TRUE(exe.ends_with("/framework_tests")) << exe;
}

TEST_F(ApplicationObject, ShowsAnInformationBoxWithOneOkButton)
{
    Application->SetTitle("Vesk Tunelo");
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        title = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(Application->MessageBox("There was an error loading Sources from : /x/"), mrOk);
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(title, "Vesk Tunelo");
    EXPECT_EQ(text, "There was an error loading Sources from : /x/");
    EXPECT_EQ(buttons, 1);
}

TEST_F(ApplicationObject, LetsTestsAnswerMessageBoxesAndExceptionBoxes)
{
    Application->SetTitle("Title");
    std::vector<std::string> seen;
    Testing::SetMessageHook([&](const std::string& text, const std::string& caption) {
        seen.push_back(caption + ": " + text);
        return 7;
    });
    EXPECT_EQ(Application->MessageBox("first", "Caption"), 7);
    Application->ShowException();
    Testing::QueueAnswer(3);
    EXPECT_EQ(Application->MessageBox("queued"), 3);
    EXPECT_EQ(seen, (std::vector<std::string>{"Caption: first", "Title: "}));
}

TEST_F(ApplicationObject, SetsTheToolTipDelay)
{
    Application->SetHintPause(400);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 400);
    Application->SetHintHidePause(10000);
    EXPECT_EQ(Application->HintHidePause(), 10000);
}

TEST_F(ApplicationObject, HandlesWaitingEventsOnRequest)
{
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    Application->ProcessMessages();
    EXPECT_TRUE(handled);
}

TEST_F(ApplicationObject, RunsIdleProcessingWhenItRunsOutOfEvents)
{
    int idles = 0;
    Application->OnIdle = [&] { ++idles; };
    Testing::ProcessIdle();
    EXPECT_EQ(idles, 1);
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GT(idles, 1);
}

} // namespace
