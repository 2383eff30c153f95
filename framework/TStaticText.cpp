#include "framework/TStaticText.h"

#include <QLabel>

TStaticText::TStaticText(TControl& parent)
    : TCustomLabel(parent)
{
    Label().setWordWrap(true);
}

int TStaticText::TextHeight() const
{
    return Label().heightForWidth(Width());
}
