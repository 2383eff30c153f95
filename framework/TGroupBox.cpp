#include "framework/TGroupBox.h"

#include "framework/TextConversion.h"

#include <QGroupBox>

TGroupBox::TGroupBox(TControl& parent)
    : TControl(&parent, new QGroupBox)
    , box_(static_cast<QGroupBox*>(Widget()))
{
}

void TGroupBox::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    box_->setTitle(ToQt(caption_));
}
