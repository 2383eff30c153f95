#include "framework/TProgressBar.h"

#include <QProgressBar>

#include <algorithm>

TProgressBar::TProgressBar(TControl& parent)
    : TControl(&parent, new QProgressBar)
    , bar_(static_cast<QProgressBar*>(Widget()))
{
    bar_->setTextVisible(false);
    Apply();
}

void TProgressBar::SetMin(int min)
{
    min_ = min;
    max_ = std::max(max_, min_);
    Apply();
}

void TProgressBar::SetMax(int max)
{
    max_ = max;
    min_ = std::min(min_, max_);
    Apply();
}

void TProgressBar::SetPosition(int position)
{
    position_ = position;
    Apply();
}

void TProgressBar::Apply()
{
    position_ = std::clamp(position_, min_, max_);
    // Qt draws an equal Min and Max as a busy bar; an empty range is an empty bar here.
    bar_->setRange(min_, std::max(max_, min_ + 1));
    bar_->setValue(position_);
}
