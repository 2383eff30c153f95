#include "framework/MainThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

void PostToMainThread(std::function<void()> call)
{
    if (auto* application = QCoreApplication::instance())
        QMetaObject::invokeMethod(application, std::move(call), Qt::QueuedConnection);
}

bool OnMainThread()
{
    const auto* application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}
