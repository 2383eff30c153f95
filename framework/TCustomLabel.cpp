#include "framework/TCustomLabel.h"

#include "framework/QtColors.h"
#include "framework/TextConversion.h"

#include <QLabel>

TCustomLabel::TCustomLabel(TControl& parent)
    : TControl(&parent, new QLabel)
    , label_(static_cast<QLabel*>(Widget()))
{
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TCustomLabel::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    // Line breaks written the desktop's old way would show their carriage return.
    label_->setText(ToQt(caption_).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    TextChanged();
}

void TCustomLabel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    const Qt::Alignment horizontal = alignment == taCenter ? Qt::AlignHCenter
        : alignment == taRightJustify                      ? Qt::AlignRight
                                                           : Qt::AlignLeft;
    label_->setAlignment(horizontal | Qt::AlignTop);
}

void TCustomLabel::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    ApplyColor();
}

void TCustomLabel::ApplyColor()
{
    if (transparent_)
        label_->setAutoFillBackground(false);
    else
        PaintBackground(*label_, QPalette::Window, Color());
}

void TCustomLabel::ApplyFont()
{
    TControl::ApplyFont();
    TextChanged();
}
