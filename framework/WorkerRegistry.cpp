#include "framework/WorkerRegistry.h"

#include "framework/MainThread.h"

#include <exception>

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
    phase_ = Phase::Open;
    held_.clear();
}

void WorkerRegistry::HoldSteps()
{
    std::lock_guard lock(mutex_);
    if (phase_ == Phase::Open)
        phase_ = Phase::Holding;
}

void WorkerRegistry::ResumeSteps()
{
    {
        std::lock_guard lock(mutex_);
        if (phase_ != Phase::Holding)
            return;
        phase_ = Phase::Open;
        if (held_.empty())
            return;
    }
    // Steps already on their way to the main thread join the held ones behind them
    // (RunOnMainThread) until these have run, so every step keeps its turn.
    PostToMainThread([this] { RunHeldSteps(); });
}

void WorkerRegistry::RunHeldSteps()
{
    for (;;) {
        std::shared_ptr<Call> call;
        {
            std::lock_guard lock(mutex_);
            // A close asked again before this ran holds them once more; its refusal runs them.
            if (held_.empty() || phase_ == Phase::Holding)
                return;
            call = held_.front();
            held_.erase(held_.begin());
        }
        Run(call);
    }
}

void WorkerRegistry::BeginClosing()
{
    {
        std::lock_guard lock(mutex_);
        phase_ = Phase::Closing;
        held_.clear();
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
    ThrowIfClosing();
    Post(call);
    std::unique_lock lock(mutex_);
    // A step already running is waited for even while closing: it uses the worker's data.
    changed_.wait(lock, [&] {
        return call->state == Call::State::Done || call->state == Call::State::Dropped
            || (phase_ == Phase::Closing && call->state == Call::State::Queued);
    });
    if (call->state != Call::State::Done) {
        call->state = Call::State::Dropped;
        throw WorkerAbandoned{};
    }
    if (call->failure)
        std::rethrow_exception(call->failure);
}

void WorkerRegistry::QueueStep(const std::function<void()>& step)
{
    ThrowIfClosing();
    Post(std::make_shared<Call>(step));
}

void WorkerRegistry::ThrowIfClosing() const
{
    std::lock_guard lock(mutex_);
    if (phase_ == Phase::Closing)
        throw WorkerAbandoned{};
}

void WorkerRegistry::Post(std::shared_ptr<Call> call)
{
    PostToMainThread([this, call = std::move(call)] { RunOnMainThread(call); });
}

void WorkerRegistry::RunOnMainThread(const std::shared_ptr<Call>& call)
{
    {
        std::lock_guard lock(mutex_);
        if ((phase_ == Phase::Holding || !held_.empty()) && call->state == Call::State::Queued) {
            held_.push_back(call);
            return;
        }
    }
    Run(call);
}

void WorkerRegistry::Run(const std::shared_ptr<Call>& call)
{
    bool dropped = false;
    {
        std::lock_guard lock(mutex_);
        dropped = phase_ == Phase::Closing || call->state == Call::State::Dropped;
        call->state = dropped ? Call::State::Dropped : Call::State::Running;
    }
    if (dropped) {
        changed_.notify_all();
        return;
    }
    try {
        call->step();
    } catch (...) {
        call->failure = std::current_exception();
    }
    {
        std::lock_guard lock(mutex_);
        call->state = Call::State::Done;
    }
    changed_.notify_all();
}
