#include "tests/framework/FrameworkTest.h"

#include "framework/TThread.h"
#include "framework/Testing.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <future>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A worker whose work the test gives; it reports how it ended.
class Worker : public TThread {
public:
    struct Report {
        std::atomic<bool> finished{false};
        std::atomic<bool> destroyed{false};
        std::atomic<bool> destroyedOnMainThread{false};
    };

    Worker(Report& report, std::function<void(Worker&)> work) : report_(report), work_(std::move(work)) {}
    ~Worker() override
    {
        report_.destroyedOnMainThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        report_.destroyed = true;
    }

    void Step(const std::function<void()>& step) { Synchronize(step); }

protected:
    void Execute() override
    {
        work_(*this);
        report_.finished = true;
    }

private:
    Report& report_;
    std::function<void(Worker&)> work_;
};

bool OnMainThreadNow()
{
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

class MainForm : public TForm {};

class Threads : public FrameworkTest {
protected:
    Worker::Report report;
};

TEST_F(Threads, RunSynchronizedStepsOnTheMainThreadInOrder)
{
    std::vector<int> order;
    bool allOnMain = true;
    new Worker(report, [&](Worker& worker) {
        for (int i = 1; i <= 3; ++i) {
            worker.Step([&, i] {
                order.push_back(i);
                allOnMain = allOnMain && OnMainThreadNow();
            });
        }
    });
    Testing::WaitForWorkers();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(allOnMain);
    EXPECT_TRUE(report.finished);
}

TEST_F(Threads, StartOnlyOnceTheCreatorReturnsToTheEventLoop)
{
    std::atomic<bool> started = false;
    new Worker(report, [&](Worker&) { started = true; });
    EXPECT_FALSE(started);
    Testing::WaitForWorkers();
    EXPECT_TRUE(started);
}

TEST_F(Threads, CarryAStepsExceptionBackToTheWorker)
{
    std::string caught;
    new Worker(report, [&](Worker& worker) {
        try {
            worker.Step([] { throw std::runtime_error("no such folder"); });
        } catch (const std::runtime_error& failure) {
            caught = failure.what();
        }
    });
    Testing::WaitForWorkers();
    EXPECT_EQ(caught, "no such folder");
    EXPECT_TRUE(report.finished);
}

TEST_F(Threads, FreeThemselvesOnTheirOwnThreadWhenDone)
{
    new Worker(report, [](Worker&) {});
    Testing::WaitForWorkers();
    EXPECT_TRUE(report.destroyed);
    EXPECT_FALSE(report.destroyedOnMainThread);
}

TEST_F(Threads, EndQuietlyWhenAFailureEscapesTheirWork)
{
    int stepsRun = 0;
    new Worker(report, [&](Worker& worker) {
        worker.Step([&] { ++stepsRun; });
        throw std::runtime_error("damaged list file");
    });
    Testing::WaitForWorkers();
    EXPECT_EQ(stepsRun, 1);
    EXPECT_FALSE(report.finished);
    EXPECT_TRUE(report.destroyed);
}

TEST_F(Threads, FinishAStepThatRunsWhenTheMainFormBeginsToCloseAndRunNoOther)
{
    MainForm* main = nullptr;
    Application->CreateForm(main);
    std::vector<std::string> ran;
    std::atomic<bool> firstReturned = false;
    new Worker(report, [&](Worker& worker) {
        worker.Step([&] {
            main->Close();
            ran.push_back("closing step");
        });
        firstReturned = true;
        worker.Step([&] { ran.push_back("later step"); });
    });
    Testing::WaitForWorkers();
    EXPECT_EQ(ran, (std::vector<std::string>{"closing step"}));
    EXPECT_TRUE(firstReturned);
    EXPECT_FALSE(report.finished);
    EXPECT_TRUE(report.destroyed);
}

// A worker posts steps as fast as it can while the main form closes: whichever way the
// race goes, no step runs once the close has begun and the worker ends quietly.
TEST_F(Threads, RunNoStepOnceTheMainFormHasBegunToClose)
{
    for (int round = 0; round < 25; ++round) {
        EndApplication();
        StartApplication();
        MainForm* main = nullptr;
        Application->CreateForm(main);
        Worker::Report ending;
        bool closeBegun = false;
        bool stepAfterClose = false;
        std::atomic<int> steps = 0;
        new Worker(ending, [&](Worker& worker) {
            for (;;) {
                worker.Step([&] { stepAfterClose = stepAfterClose || closeBegun; });
                ++steps;
            }
        });
        const int closeAfter = round % 5;
        ASSERT_TRUE(WaitUntil([&] { return steps >= closeAfter; }));
        closeBegun = true;
        main->Close();
        Testing::WaitForWorkers();
        EXPECT_FALSE(stepAfterClose) << "round " << round;
        EXPECT_TRUE(ending.destroyed);
        EXPECT_FALSE(ending.finished);
    }
}

TEST_F(Threads, AreNotWaitedForWhenTheApplicationEnds)
{
    MainForm* main = nullptr;
    Application->CreateForm(main);
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> stepRan = false;
    new Worker(report, [&, released](Worker& worker) {
        released.wait();
        worker.Step([&] { stepRan = true; });
    });
    bool processEnded = false;
    Testing::SetProcessEnd([&] { processEnded = true; });
    QTimer::singleShot(0, [&] { main->Close(); });
    Application->Run();
    EndApplication();
    EXPECT_TRUE(processEnded);
    release.set_value();
    Testing::WaitForWorkers();
    EXPECT_FALSE(stepRan);
    EXPECT_FALSE(report.finished);
}

} // namespace
