#include "framework/TEdit.h"

#include "framework/EditKeys.h"
#include "framework/KeptText.h"
#include "framework/LineValidator.h"
#include "framework/QtColors.h"

#include <QLineEdit>

#include <algorithm>

TEdit::TEdit(TControl& parent)
    : TControl(&parent, new QLineEdit)
    , edit_(static_cast<QLineEdit*>(Widget()))
    , input_(new LineValidator(edit_))
    , text_(std::make_unique<KeptText>())
{
    color_ = clWindow;
    // The validator keeps the length limit: Qt's own counts UTF-16 units, splitting an emoji.
    edit_->setValidator(input_);
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
    input_->Write([&] { edit_->setText(text_->Keep(text)); });
    if (OnChange)
        OnChange();
}

void TEdit::ApplyColor()
{
    PaintBackground(*edit_, QPalette::Base, Color());
}

bool TEdit::TakesKey(const QKeyEvent& key) const
{
    return IsEditKey(key);
}

int TEdit::MaxLength() const
{
    return input_->MaxLength();
}

void TEdit::SetMaxLength(int characters)
{
    input_->SetMaxLength(std::max(characters, 0));
}

void TEdit::SelectAll()
{
    edit_->selectAll();
}
