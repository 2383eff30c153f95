#include "framework/TTimer.h"

#include <QTimer>

TTimer::TTimer()
    : timer_(std::make_unique<QTimer>())
{
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] {
        if (OnTimer)
            OnTimer();
    });
    Restart();
}

TTimer::~TTimer() = default;

void TTimer::SetInterval(int milliseconds)
{
    interval_ = milliseconds;
    Restart();
}

void TTimer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Restart();
}

// Like a new timer: the next tick comes a whole interval after any change.
void TTimer::Restart()
{
    timer_->stop();
    if (enabled_ && interval_ > 0)
        timer_->start(interval_);
}
