#include "framework/WhileAnswering.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QObject>

#include <exception>
#include <thread>

void RunWhileAnswering(const std::function<void()>& work)
{
    // Lives on the calling thread, so the worker's last call runs there and wakes its loop.
    QObject caller;
    bool ended = false;
    std::exception_ptr failure;
    // Joined on leaving, also when an event handler below throws: the work uses this frame.
    std::jthread worker([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&caller, [&ended] { ended = true; }, Qt::QueuedConnection);
    });
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
}
