#include "framework/WorkerRegistry.h"

#include "framework/MainThread.h"

#include <exception>
#include <memory>

struct WorkerRegistry::Call {
    explicit Call(const std::function<void()>& step) : step(step) {}

    enum class State { Queued, Running, Done, Dropped };
    std::function<void()> step;
    State state = State::Queued;
    std::exception_ptr failure;
};

WorkerRegistry& WorkerRegistry::Instance()
{
    // Never destroyed: a worker abandoned at exit may still reach it.
    static auto* registry = new WorkerRegistry;
    return *registry;
}

void WorkerRegistry::Open()
{
    std::lock_guard lock(mutex_);
    closing_ = false;
}

void WorkerRegistry::BeginClosing()
{
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
}

void WorkerRegistry::Added()
{
    std::lock_guard lock(mutex_);
    ++live_;
}

void WorkerRegistry::Ended()
{
    {
        std::lock_guard lock(mutex_);
        --live_;
        // Wakes a main thread that waits for the workers, before the count can be seen.
        PostToMainThread([] {});
    }
    changed_.notify_all();
}

int WorkerRegistry::Live() const
{
    std::lock_guard lock(mutex_);
    return live_;
}

void WorkerRegistry::RunStep(const std::function<void()>& step)
{
    auto call = std::make_shared<Call>(step);
    {
        std::lock_guard lock(mutex_);
        if (closing_)
            throw WorkerAbandoned{};
    }
    PostToMainThread([this, call] { RunOnMainThread(*call); });
    std::unique_lock lock(mutex_);
    // A step already running is waited for even while closing: it uses the worker's data.
    changed_.wait(lock, [&] {
        return call->state == Call::State::Done || call->state == Call::State::Dropped
            || (closing_ && call->state == Call::State::Queued);
    });
    if (call->state != Call::State::Done) {
        call->state = Call::State::Dropped;
        throw WorkerAbandoned{};
    }
    if (call->failure)
        std::rethrow_exception(call->failure);
}

void WorkerRegistry::RunOnMainThread(Call& call)
{
    bool dropped = false;
    {
        std::lock_guard lock(mutex_);
        dropped = closing_ || call.state == Call::State::Dropped;
        call.state = dropped ? Call::State::Dropped : Call::State::Running;
    }
    if (dropped) {
        changed_.notify_all();
        return;
    }
    try {
        call.step();
    } catch (...) {
        call.failure = std::current_exception();
    }
    {
        std::lock_guard lock(mutex_);
        call.state = Call::State::Done;
    }
    changed_.notify_all();
}
