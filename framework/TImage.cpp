#include "framework/TImage.h"

#include "framework/TextConversion.h"

#include <QLabel>
#include <QPixmap>

TImage::TImage(TControl& parent)
    : TControl(&parent, new QLabel)
    , label_(static_cast<QLabel*>(Widget()))
{
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool TImage::LoadPicture(const std::string& path)
{
    QPixmap picture;
    if (!picture.load(ToQt(path)))
        return false;
    label_->setPixmap(picture);
    return true;
}

void TImage::SetStretch(bool stretch)
{
    stretch_ = stretch;
    label_->setScaledContents(stretch);
}

void TImage::SetCenter(bool center)
{
    center_ = center;
    label_->setAlignment(center ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
}
