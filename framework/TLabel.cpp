#include "framework/TLabel.h"

#include <QLabel>

void TLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    TextChanged();
}

void TLabel::TextChanged()
{
    if (!autoSize_)
        return;
    const QSize size = Label().sizeHint();
    SetBounds(Left(), Top(), size.width(), size.height());
}
