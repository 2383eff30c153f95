#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>

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
    // From now on no step starts, and workers waiting for one are let go.
    void BeginClosing();

    void Added();
    void Ended();
    int Live() const;

    // On a worker: runs the step on the main thread and waits for it to finish,
    // rethrowing what it threw. Throws WorkerAbandoned when the step will not run.
    void RunStep(const std::function<void()>& step);

private:
    struct Call;
    void RunOnMainThread(Call& call);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    int live_ = 0;
    bool closing_ = false;
};
