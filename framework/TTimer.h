#pragma once

#include "framework/TComponent.h"

#include <functional>
#include <memory>

class QTimer;

// Raises OnTimer every Interval milliseconds while enabled.
class TTimer : public TComponent {
public:
    TTimer();
    ~TTimer() override;

    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> OnTimer;

private:
    void Restart();

    std::unique_ptr<QTimer> timer_;
    int interval_ = 1000;
    bool enabled_ = true;
};
