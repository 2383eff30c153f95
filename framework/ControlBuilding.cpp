#include "framework/ControlBuilding.h"

void ShowHintOf(TControl& control, const std::string& hint)
{
    control.SetHint(hint);
    control.SetShowHint(true);
}

TLabel& MakeLabel(TControl& parent, int left, int top, const std::string& caption)
{
    TLabel& label = Make<TLabel>(parent);
    label.SetLeft(left);
    label.SetTop(top);
    label.SetCaption(caption);
    return label;
}

TLabel& MakeFixedLabel(TControl& parent, const TRect& bounds, const std::string& caption)
{
    TLabel& label = Make<TLabel>(parent);
    label.SetAutoSize(false);
    label.SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    label.SetCaption(caption);
    return label;
}
