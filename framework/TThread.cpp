#include "framework/TThread.h"

#include "framework/MainThread.h"
#include "framework/WorkerRegistry.h"

#include <thread>

TThread::TThread()
{
    WorkerRegistry::Instance().Added();
    PostToMainThread([this] { std::thread(&TThread::Run, this).detach(); });
}

void TThread::Synchronize(const std::function<void()>& step)
{
    if (OnMainThread())
        step();
    else
        WorkerRegistry::Instance().RunStep(step);
}

void TThread::Queue(const std::function<void()>& step)
{
    if (OnMainThread())
        step();
    else
        WorkerRegistry::Instance().QueueStep(step);
}

void TThread::Run(TThread* thread)
{
    try {
        thread->Execute();
    } catch (...) {
        // A failure that escapes the work ends the worker; what it had done stays.
    }
    delete thread;
    WorkerRegistry::Instance().Ended();
}
