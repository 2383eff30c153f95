#include "framework/TCheckBox.h"

#include "framework/TextConversion.h"

#include <QCheckBox>

TCheckBox::TCheckBox(TControl& parent)
    : TControl(&parent, new QCheckBox)
    , box_(static_cast<QCheckBox*>(Widget()))
{
    QObject::connect(box_, &QCheckBox::toggled, Context(), [this] {
        if (OnClick)
            OnClick();
    });
}

void TCheckBox::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    box_->setText(ToQt(caption_));
}

bool TCheckBox::Checked() const
{
    return box_->isChecked();
}

void TCheckBox::SetChecked(bool checked)
{
    box_->setChecked(checked);
}
