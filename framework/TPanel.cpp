#include "framework/TPanel.h"

#include "framework/TextConversion.h"

#include <QLabel>

TPanel::TPanel(TControl& parent)
    : TControl(&parent, new QLabel)
    , label_(static_cast<QLabel*>(Widget()))
{
    label_->setAlignment(Qt::AlignCenter);
    label_->setTextFormat(Qt::PlainText);
    ApplyFrame();
}

void TPanel::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    label_->setText(ToQt(caption_));
}

void TPanel::SetBevelOuter(TBevelCut bevel)
{
    bevelOuter_ = bevel;
    ApplyFrame();
}

void TPanel::SetBorderStyle(TBorderStyle style)
{
    borderStyle_ = style;
    ApplyFrame();
}

void TPanel::ApplyFrame()
{
    if (borderStyle_ == bsSingle) {
        label_->setFrameStyle(QFrame::Box | QFrame::Plain);
        return;
    }
    switch (bevelOuter_) {
    case bvNone: label_->setFrameStyle(QFrame::NoFrame); break;
    case bvLowered: label_->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    case bvRaised: label_->setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    }
}
