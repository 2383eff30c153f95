#pragma once

#include "framework/TControl.h"

class QProgressBar;

// A bar that fills from Min to Max. The three values are kept here and Position always
// lies between Min and Max, so a Max set below it pulls the Position down.
class TProgressBar : public TControl {
public:
    explicit TProgressBar(TControl& parent);

    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    int Position() const { return position_; }
    void SetPosition(int position);
    void StepBy(int amount) { SetPosition(position_ + amount); }

private:
    void Apply();

    QProgressBar* bar_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
