#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// Thrown inside a worker whose step will never run because the main form has begun to
// close; the thread's own wrapper swallows it, so the worker just ends.
struct WorkerAbandoned {};

// The workers alive and the hand-over of their steps to the main thread. Lives as long
// as the process, so that a worker still running at exit finds it.
class WorkerRegistry {
public:
    static WorkerRegistry& Instance();

    // A new application starts: steps run again.
    void Open();
    // The main form is asked whether it may close: steps that arrive wait for the answer.
    void HoldSteps();
    // It may not: the steps held meanwhile run, in order, and so do later ones.
    void ResumeSteps();
    // From now on no step starts, and workers waiting for one are let go.
    void BeginClosing();

    void Added();
    void Ended();
    int Live() const;

    // On a worker: runs the step on the main thread and waits for it to finish,
    // rethrowing what it threw. Throws WorkerAbandoned when the step will not run.
    void RunStep(const std::function<void()>& step);
    // On a worker: hands the step to the main thread without waiting. It runs after the
    // steps handed over before it and before those handed over after it; what it throws
    // is dropped. Throws WorkerAbandoned when no step will run any more.
    void QueueStep(const std::function<void()>& step);

private:
    struct Call;
    enum class Phase { Open, Holding, Closing };

    void ThrowIfClosing() const;
    void Post(std::shared_ptr<Call> call);
    void RunOnMainThread(const std::shared_ptr<Call>& call);
    void RunHeldSteps();
    void Run(const std::shared_ptr<Call>& call);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    int live_ = 0;
    Phase phase_ = Phase::Open;
    std::vector<std::shared_ptr<Call>> held_;
};
