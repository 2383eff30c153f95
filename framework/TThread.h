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

protected:
    TThread();

    virtual void Execute() = 0;

    // Runs the step on the main thread and waits for it; what the step throws is thrown
    // here. Once the main form has begun to close no step runs any more, and the
    // worker ends quietly at this call instead.
    void Synchronize(const std::function<void()>& step);

private:
    static void Run(TThread* thread);
};
