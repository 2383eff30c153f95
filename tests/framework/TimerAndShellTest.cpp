#include "tests/framework/FrameworkTest.h"

#include "framework/Shell.h"
#include "framework/ShellTarget.h"
#include "framework/TTimer.h"
#include "framework/Testing.h"

namespace {

using Timers = FrameworkTest;

TEST_F(Timers, TickWhileEnabled)
{
    TForm form;
    auto& timer = Make<TTimer>(form);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    timer.SetInterval(5);
    EXPECT_TRUE(WaitUntil([&] { return ticks >= 2; }));
}

TEST_F(Timers, TickFromTestsOnlyWhileEnabled)
{
    TTimer timer;
    timer.SetInterval(125);
    timer.SetEnabled(false);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    Testing::FireTimer(timer);
    EXPECT_EQ(ticks, 0);
    timer.SetEnabled(true);
    Testing::FireTimer(timer);
    Testing::FireTimer(timer);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(timer.Interval(), 125);
}

using Shell = FrameworkTest;

TEST_F(Shell, RecordsOpensForTests)
{
    Testing::RecordShellOpens();
    EXPECT_TRUE(ShellOpen("/music/currentlist.m3u"));
    EXPECT_TRUE(ShellOpen("https://example.org/", SW_SHOWNORMAL));
    EXPECT_EQ(Testing::ShellOpens(),
              (std::vector<std::string>{"/music/currentlist.m3u", "https://example.org/"}));
}

TEST(ShellTargets, TellWebAddressesFromFiles)
{
    EXPECT_EQ(ShellTarget("https://example.org/page"), QUrl("https://example.org/page"));
    EXPECT_EQ(ShellTarget("mailto:someone@example.org").scheme(), "mailto");
    EXPECT_EQ(ShellTarget("/music/My List.m3u"), QUrl::fromLocalFile("/music/My List.m3u"));
    EXPECT_EQ(ShellTarget("C:/music/faq.pdf"), QUrl::fromLocalFile("C:/music/faq.pdf"));
    EXPECT_EQ(ShellTarget("/music/caf\xE9.mp3").toLocalFile(), QString::fromUtf8("/music/café.mp3"));
}

} // namespace
