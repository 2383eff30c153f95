#pragma once

#include <functional>

// A worker: Execute runs on a thread of its own. Every worker is created running and
// frees itself when Execute returns; nobody keeps, waits for or frees one. It starts as
// soon as its creator returns to the event loop, so that the derived class is complete.
class TThread {
public:
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;
    virtual ~TThread() = default;

    // Runs the step on the main thread and waits for it; what the step throws is thrown
    // here. Once the main form has begun to close no step runs any more, and the
    // worker ends quietly at this call instead. Any code running on a worker may call it.
    static void Synchronize(const std::function<void()>& step);
    // Hands a step that only shows progress to the main thread without waiting for it.
    // Steps run in the order handed over, waiting or not, so a later Synchronize finds
    // every queued step done.
    static void Queue(const std::function<void()>& step);

protected:
    TThread();

    virtual void Execute() = 0;

private:
    static void Run(TThread* thread);
};
