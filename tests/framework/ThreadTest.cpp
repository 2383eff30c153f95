#include "tests/framework/FrameworkTest.h"

#include "tests/support/Worker.h"

#include <atomic>
#include <future>
#include <stdexcept>

namespace {

using TestSupport::Worker;
using Threads = FrameworkTest;

// The four steps of the start-up load show the steps' order and thread; here, the rest.
TEST_F(Threads, StartOnceTheCreatorReturnsAndCarryAStepsExceptionBack)
{
    std::atomic<bool> started = false;
    std::string caught;
    new Worker([&] {
        started = true;
        try {
            TThread::Synchronize([] { throw std::runtime_error("no such folder"); });
        } catch (const std::runtime_error& failure) {
            caught = failure.what();
        }
        // A failure that escapes the work ends the worker quietly.
        throw std::runtime_error("damaged list file");
    });
    EXPECT_FALSE(started);
    Testing::WaitForWorkers();
    EXPECT_EQ(caught, "no such folder");
}

// The worker hands over all its queued steps while the main thread handles no event, so
// none of them waited; they run in order, before the waiting step handed over after them.
TEST_F(Threads, RunQueuedStepsInOrderWithoutWaitingAndBeforeALaterWaitingStep)
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

// A step that closes the main form finishes; later steps run only when the close is refused,
// and a step queued once the close has begun ends the worker as a waiting one does.
TEST_F(Threads, RunLaterStepsOnlyWhenTheMainFormStaysOpen)
{
    for (const TCloseAction answer : {caNone, caHide}) {
        EndApplication();
        StartApplication();
        TForm* main = nullptr;
        Application->CreateForm(main);
        main->OnClose = [answer](TCloseAction& action) { action = answer; };
        std::vector<std::string> ran;
        std::atomic<bool> ranOn = false;
        new Worker([&] {
            TThread::Synchronize([&] {
                main->Close();
                ran.push_back("closing step");
            });
            TThread::Queue([&] { ran.push_back("queued step"); });
            ranOn = true;
            TThread::Synchronize([&] { ran.push_back("later step"); });
        });
        Testing::WaitForWorkers();
        EXPECT_EQ(ran.size(), answer == caNone ? 3u : 1u) << answer;
        EXPECT_EQ(ranOn, answer == caNone) << answer;
    }
}

// A step held while the close handler decided runs before one that was already on its
// way to the main thread when the close was refused.
TEST_F(Threads, KeepTheirOrderAcrossARefusedClose)
{
    TForm* main = nullptr;
    Application->CreateForm(main);
    std::vector<std::string> ran;
    std::promise<void> closing, firstPosted, secondMayGo, secondPosted;
    new Worker([&] {
        closing.get_future().wait();
        TThread::Queue([&] { ran.push_back("first"); });
        firstPosted.set_value();
        secondMayGo.get_future().wait();
        TThread::Queue([&] { ran.push_back("second"); });
        secondPosted.set_value();
    });
    main->OnClose = [&](TCloseAction& action) {
        closing.set_value();
        firstPosted.get_future().wait();
        QApplication::processEvents(); // the first step arrives and is held
        secondMayGo.set_value();
        secondPosted.get_future().wait();
        action = caNone;
    };
    QApplication::processEvents(); // the worker starts
    main->Close();
    Testing::WaitForWorkers();
    QApplication::processEvents();
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second"}));
}

// A worker posts steps as fast as it can while the main form closes: whichever way the
// race goes, no step runs once the close has begun and the worker ends quietly.
TEST_F(Threads, RunNoStepOnceTheMainFormHasBegunToClose)
{
    for (int round = 0; round < 25; ++round) {
        EndApplication();
        StartApplication();
        TForm* main = nullptr;
        Application->CreateForm(main);
        bool closeBegun = false;
        bool stepAfterClose = false;
        std::atomic<int> steps = 0;
        new Worker([&] {
            for (;; ++steps)
                TThread::Synchronize([&] { stepAfterClose = stepAfterClose || closeBegun; });
        });
        ASSERT_TRUE(WaitUntil([&] { return steps >= round % 5; }));
        closeBegun = true;
        main->Close();
        Testing::WaitForWorkers();
        EXPECT_FALSE(stepAfterClose) << "round " << round;
    }
}

TEST_F(Threads, AreNotWaitedForWhenTheApplicationEnds)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> stepRan = false;
    new Worker([&, released] {
        released.wait();
        TThread::Synchronize([&] { stepRan = true; });
    });
    bool processEnded = false;
    Testing::SetProcessEnd([&] { processEnded = true; });
    EndApplication();
    EXPECT_TRUE(processEnded);
    release.set_value();
    Testing::WaitForWorkers();
    EXPECT_FALSE(stepRan);
}

} // namespace
