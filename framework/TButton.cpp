#include "framework/TButton.h"

#include "framework/TextConversion.h"

#include <QPushButton>

TButton::TButton(TControl& parent)
    : TControl(&parent, new QPushButton)
    , button_(static_cast<QPushButton*>(Widget()))
{
    QObject::connect(button_, &QPushButton::clicked, Context(), [this] {
        if (OnClick)
            OnClick();
    });
}

void TButton::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    button_->setText(ToQt(caption_));
}
