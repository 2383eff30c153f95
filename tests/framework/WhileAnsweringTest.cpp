#include "tests/framework/FrameworkTest.h"

#include "framework/MainThread.h"
#include "framework/WhileAnswering.h"

#include <gmock/gmock.h>

#include <chrono>
#include <future>
#include <stdexcept>
#include <thread>

namespace {

using WhileAnswering = FrameworkTest;

// The work goes on only once a timer and a queued call of the calling thread have run,
// which they can only while the calling thread's loop turns; no loop runs besides.
TEST_F(WhileAnswering, RunsTheWorkOnAnotherThreadWhileTheCallersTimersAndQueuedCallsRun)
{
    std::promise<void> timerRan;
    std::promise<void> callRan;
    QTimer::singleShot(1, [&] { timerRan.set_value(); });
    PostToMainThread([&] { callRan.set_value(); });
    const auto ran = [](std::promise<void>& promise) {
        return promise.get_future().wait_for(std::chrono::minutes(1)) == std::future_status::ready;
    };
    std::thread::id workedOn;
    bool bothRan = false;
    RunWhileAnswering([&] {
        workedOn = std::this_thread::get_id();
        bothRan = ran(timerRan) && ran(callRan);
    });
    EXPECT_NE(workedOn, std::this_thread::get_id());
    EXPECT_TRUE(bothRan);
}

TEST_F(WhileAnswering, RethrowsWhatTheWorkThrew)
{
    EXPECT_THAT([] { RunWhileAnswering([] { throw std::runtime_error("disk full"); }); },
                testing::ThrowsMessage<std::runtime_error>("disk full"));
}

} // namespace
