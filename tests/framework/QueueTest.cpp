#include "tests/framework/FrameworkTest.h"

#include "tests/support/Worker.h"

#include <future>

namespace {

using TestSupport::Worker;

using Queue = FrameworkTest;

// The worker hands over all its queued steps while the main thread handles no event, so
// none of them waited; they run in order, before the waiting step handed over after them.
TEST_F(Queue, RunStepsInOrderWithoutWaitingAndBeforeALaterWaitingStep)
{
    std::vector<int> ran;
    std::promise<void> queued;
    new Worker([&] {
        for (int i = 1; i <= 3; ++i)
            TThread::Queue([&ran, i] { ran.push_back(i); });
        queued.set_value();
        TThread::Synchronize([&] { ran.push_back(4); });
    });
    QCoreApplication::processEvents(); // starts the worker
    ASSERT_EQ(queued.get_future().wait_for(std::chrono::minutes(1)), std::future_status::ready);
    EXPECT_TRUE(ran.empty());
    Testing::WaitForWorkers();
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 4}));
}

} // namespace
