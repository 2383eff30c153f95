#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

// The scan's progress reports on their way from the worker to the progress window. A
// report never waits for the window: while one is still on its way, later ones merge
// into it, so the window shows the latest texts and counts every report.
class LoadProgressReports {
public:
    struct Report {
        std::string name;
        std::int32_t done = 0;
        std::int32_t total = 0;
        // The reports merged into this one.
        int count = 0;
    };

    explicit LoadProgressReports(std::function<void(const Report&)> show) : show_(std::move(show)) {}

    // On the worker.
    void Add(const std::string& name, std::int32_t done, std::int32_t total);

private:
    void ShowPending();

    const std::function<void(const Report&)> show_;
    std::mutex mutex_;
    Report pending_;
    bool onItsWay_ = false;
};
