#include "framework/TSpeedButton.h"

#include "framework/TextConversion.h"

#include <QPixmap>
#include <QToolButton>

TSpeedButton::TSpeedButton(TControl& parent)
    : TControl(&parent, new QToolButton)
    , button_(static_cast<QToolButton*>(Widget()))
{
    button_->setAutoRaise(true);
    button_->setCheckable(true);
    button_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    QObject::connect(button_, &QToolButton::clicked, Context(), [this] {
        button_->setChecked(down_);
        if (OnClick)
            OnClick();
    });
}

void TSpeedButton::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    button_->setText(ToQt(caption_));
    button_->setToolButtonStyle(caption_.empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
}

bool TSpeedButton::LoadGlyph(const std::string& path)
{
    QPixmap glyph;
    if (!glyph.load(ToQt(path)))
        return false;
    button_->setIcon(glyph);
    button_->setIconSize(glyph.size());
    return true;
}

void TSpeedButton::SetDown(bool down)
{
    down_ = down;
    button_->setChecked(down);
}
