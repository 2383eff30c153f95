#pragma once

#include "framework/TThread.h"

#include <functional>
#include <utility>

namespace TestSupport {

// A worker whose work the test gives; like every worker it frees itself when done.
class Worker : public TThread {
public:
    explicit Worker(std::function<void()> work) : work_(std::move(work)) {}

protected:
    void Execute() override { work_(); }

private:
    std::function<void()> work_;
};

} // namespace TestSupport
