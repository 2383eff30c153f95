#include "framework/TEdit.h"

#include "framework/KeptText.h"
#include "framework/QtColors.h"

#include <QLineEdit>

TEdit::TEdit(TControl& parent)
    : TControl(&parent, new QLineEdit)
    , edit_(static_cast<QLineEdit*>(Widget()))
    , text_(std::make_unique<KeptText>())
{
    color_ = clWindow;
    // Files dropped from the desktop belong to the form, not into the text.
    edit_->setAcceptDrops(false);
    QObject::connect(edit_, &QLineEdit::textEdited, Context(), [this] {
        if (OnChange)
            OnChange();
    });
}

TEdit::~TEdit() = default;

std::string TEdit::Text() const
{
    return text_->Read(edit_->text());
}

void TEdit::SetText(const std::string& text)
{
    if (text == Text())
        return;
    edit_->setText(text_->Keep(text));
    if (OnChange)
        OnChange();
}

void TEdit::ApplyColor()
{
    PaintBackground(*edit_, QPalette::Base, Color());
}

int TEdit::MaxLength() const
{
    return maxLength_;
}

void TEdit::SetMaxLength(int characters)
{
    maxLength_ = characters;
    edit_->setMaxLength(characters > 0 ? characters : 32767);
}

void TEdit::SelectAll()
{
    edit_->selectAll();
}
