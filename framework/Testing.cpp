#include "framework/Testing.h"

#include "framework/TApplication.h"
#include "framework/TTimer.h"
#include "framework/TestHooks.h"
#include "framework/WorkerRegistry.h"

#include <QCoreApplication>

namespace Testing {

void QueueAnswer(int result)
{
    Hooks().answers.push_back(result);
}

void SetModalHook(std::function<int(TForm& form)> hook)
{
    Hooks().modalHook = std::move(hook);
}

void SetMessageHook(std::function<int(const std::string& text, const std::string& caption)> hook)
{
    Hooks().messageHook = std::move(hook);
}

void RecordShellOpens()
{
    Hooks().recordShellOpens = true;
}

const std::vector<std::string>& ShellOpens()
{
    return Hooks().shellOpens;
}

void FireTimer(TTimer& timer)
{
    if (timer.Enabled() && timer.OnTimer)
        timer.OnTimer();
}

void ProcessIdle()
{
    QCoreApplication::processEvents();
    if (Application)
        Application->Idle();
}

void WaitForWorkers()
{
    while (WorkerRegistry::Instance().Live() > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void SetProcessEnd(std::function<void()> end)
{
    Hooks().endProcess = std::move(end);
}

} // namespace Testing
