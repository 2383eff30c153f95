#include "mainform/LoadProgressReports.h"

#include "framework/TThread.h"

#include <utility>

void LoadProgressReports::Add(const std::string& name, std::int32_t done, std::int32_t total)
{
    {
        std::lock_guard lock(mutex_);
        pending_.name = name;
        pending_.done = done;
        pending_.total = total;
        ++pending_.count;
        if (std::exchange(onItsWay_, true))
            return;
    }
    TThread::Queue([this] { ShowPending(); });
}

void LoadProgressReports::ShowPending()
{
    Report report;
    {
        std::lock_guard lock(mutex_);
        report = std::exchange(pending_, Report{});
        onItsWay_ = false;
    }
    show_(report);
}
