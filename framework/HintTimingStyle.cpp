#include "framework/HintTimingStyle.h"

#include "framework/TApplication.h"

int HintTimingStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                               QStyleHintReturn* returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay && Application)
        return Application->HintPause();
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
