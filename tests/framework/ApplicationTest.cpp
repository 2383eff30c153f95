#include "tests/framework/FrameworkTest.h"

#include "framework/ShellTarget.h"
#include "framework/TTimer.h"
#include "tests/support/TempFolder.h"

#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include <cstdlib>
#include <filesystem>
#include <utility>

namespace {

using ApplicationObject = FrameworkTest;

TEST_F(ApplicationObject, RunsUntilTheMainFormHasClosedAndOnlyThen)
{
    TForm* main = nullptr;
    Application->CreateForm(main);
    bool shownWhileRunning = false;
    QTimer::singleShot(0, [&] {
        shownWhileRunning = main->Visible();
        main->Close();
    });
    Application->Run();
    EXPECT_TRUE(shownWhileRunning);
    // A later modal loop still runs, and a later Run returns at once.
    TForm dialog;
    QTimer::singleShot(0, [&] { dialog.SetModalResult(mrOk); });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    Application->Run();
}

TEST_F(ApplicationObject, KnowsTheFullPathOfItsExecutable)
{
    std::error_code missing;
    EXPECT_TRUE(std::filesystem::equivalent(Application->ExeName(), "/proc/self/exe", missing));
    EXPECT_TRUE(Application->ExeName().starts_with('/') && Application->ExeName().ends_with("/framework_tests"));
}

// Its folder's name may be any bytes: the test above, run from a folder "Caf\xE9".
TEST(ExecutablePath, KeepsAFolderNameThatIsNotUtf8)
{
    TestSupport::TempFolder folder;
    const std::string copy = folder.MakeFolder("Caf\xE9") + "framework_tests";
    std::filesystem::create_hard_link(std::filesystem::read_symlink("/proc/self/exe"), copy);
    EXPECT_EQ(std::system(("'" + copy + "' --gtest_filter=ApplicationObject.KnowsTheFullPathOfItsExecutable").c_str()), 0);
}

TEST_F(ApplicationObject, ShowsAnInformationBoxWithOneOkButtonUnderItsTitle)
{
    Application->SetTitle("Vesk Tunelo");
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = box->windowTitle() + "|" + box->text() + "|" + QString::number(box->buttons().size())
            + (box->icon() == QMessageBox::Information ? "|information" : "|other")
            + (box->testAttribute(Qt::WA_X11NetWmWindowTypeToolBar) ? "|dialog title bar" : "");
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(Application->MessageBox("There was an error loading Sources from : /x/"), mrOk);
    EXPECT_EQ(seen, "Vesk Tunelo|There was an error loading Sources from : /x/|1|information|dialog title bar");
}

TEST_F(ApplicationObject, GivesTheHintPauseToTheToolTips)
{
    Application->SetHintPause(400);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 400);
}

TEST_F(ApplicationObject, RunsIdleProcessingAndTimersWhileItWaitsForEvents)
{
    int idles = 0;
    QEventLoop loop;
    Application->OnIdle = [&] { ++idles; };
    TTimer timer;
    timer.OnTimer = [&] { loop.quit(); };
    timer.SetInterval(5);
    // A timer that never ticks fails the test instead of holding the run for ever.
    QTimer::singleShot(10000, &loop, [&] { loop.exit(1); });
    ASSERT_EQ(loop.exec(), 0);
    EXPECT_GT(idles, 0);
}

TEST(ShellTargets, TellWebAddressesFromFiles)
{
    // A file goes as its own bytes: Latin-1 "é" is not the UTF-8 one, a backslash is no separator.
    const std::pair<std::string, QByteArray> targets[] = {
        {"https://example.org/page", "https://example.org/page"},
        {"/music/caf\xE9 1.mp3", "file:///music/caf%E9%201.mp3"},
        {"/music/AC\\DC/caf\xC3\xA9.mp3", "file:///music/AC%5CDC/caf%C3%A9.mp3"}};
    for (const auto& [target, address] : targets)
        EXPECT_EQ(ShellTarget(target).toEncoded(), address) << target;
    EXPECT_TRUE(ShellTarget("C:/music/faq.pdf").isLocalFile());
}

} // namespace
