#include "framework/TStaticText.h"

#include <QLabel>

TStaticText::TStaticText(TControl& parent)
    : TCustomLabel(parent)
{
    Label().setWordWrap(true);
}
