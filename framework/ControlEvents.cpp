#include "framework/ControlEvents.h"

#include "framework/TControl.h"

bool ControlEvents::eventFilter(QObject* watched, QEvent* event)
{
    return control_.HandleEvent(watched, *event);
}
