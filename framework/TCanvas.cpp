#include "framework/TCanvas.h"

#include "framework/QtColors.h"
#include "framework/QtFont.h"
#include "framework/TextConversion.h"

#include <QPainter>

void TCanvas::FillRect(const TRect& rect)
{
    if (painter_)
        painter_->fillRect(rect.Left, rect.Top, rect.Width(), rect.Height(), ToQColor(brush_.Color()));
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    if (!painter_)
        return;
    painter_->setFont(ToQFont(font_, painter_->font()));
    painter_->setPen(ToQColor(font_.Color()));
    const QString shown = ToQt(text);
    const QFontMetrics metrics(painter_->font());
    painter_->drawText(QRect(x, y, metrics.horizontalAdvance(shown) + 1, metrics.height()),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
}
