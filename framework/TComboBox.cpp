#include "framework/TComboBox.h"

#include "framework/EditKeys.h"
#include "framework/KeptText.h"
#include "framework/LineValidator.h"
#include "framework/QtColors.h"
#include "framework/TextConversion.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

// Mirrors every change into the Qt box.
class TComboBox::ComboItems final : public TStrings {
public:
    explicit ComboItems(QComboBox& box) : box_(box) {}

protected:
    void Edit(EditKind kind, int index, const std::function<void()>& apply) override
    {
        apply();
        switch (kind) {
        case EditKind::Insert: Insert(index); break;
        case EditKind::Set: box_.setItemText(index, ToQt((*this)[index])); break;
        case EditKind::Delete: box_.removeItem(index); break;
        case EditKind::Clear: box_.clear(); break;
        }
    }

private:
    // Qt chooses the first entry put into an empty box; the box keeps its text instead.
    void Insert(int index)
    {
        const bool wasEmpty = box_.count() == 0;
        const QString text = box_.currentText();
        box_.insertItem(index, ToQt((*this)[index]));
        if (!wasEmpty)
            return;
        box_.setCurrentIndex(-1);
        if (box_.isEditable())
            box_.setEditText(text);
    }

    QComboBox& box_;
};

// Puts the text into the box's letter case: Qt's line edit asks it about every text as it
// arrives, typed, pasted or set by the program.
class TComboBox::CaseValidator final : public LineValidator {
public:
    CaseValidator(const TComboBox& box, QObject* parent) : LineValidator(parent), box_(box) {}

protected:
    void Convert(QString& input) const override
    {
        if (box_.CharCase() == ecLowerCase)
            input = input.toLower();
        else if (box_.CharCase() == ecUpperCase)
            input = input.toUpper();
    }

private:
    const TComboBox& box_;
};

TComboBox::TComboBox(TControl& parent)
    : TControl(&parent, new QComboBox)
    , box_(static_cast<QComboBox*>(Widget()))
    , items_(std::make_unique<ComboItems>(*box_))
    , text_(std::make_unique<KeptText>())
{
    color_ = clWindow;
    box_->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(box_, &QComboBox::activated, Context(), [this](int index) { Chosen(index); });
    SetStyle(csDropDown);
}

TComboBox::~TComboBox() = default;

TStrings& TComboBox::Items()
{
    return *items_;
}

void TComboBox::SetStyle(TComboBoxStyle style)
{
    style_ = style;
    box_->setEditable(style == csDropDown);
    if (style == csDropDown)
        PrepareEditor();
}

// Qt makes a new line edit each time the box becomes editable.
void TComboBox::PrepareEditor()
{
    QLineEdit* editor = box_->lineEdit();
    box_->setCompleter(nullptr);
    editor->setAcceptDrops(false);
    input_ = new CaseValidator(*this, editor);
    editor->setValidator(input_);
    editor->installEventFilter(Context());
    QObject::connect(editor, &QLineEdit::textEdited, Context(),
                     [this](const QString& text) { Typed(text); });
}

void TComboBox::SetCharCase(TEditCharCase charCase)
{
    charCase_ = charCase;
    if (style_ == csDropDown)
        ShowText(Text());
}

void TComboBox::SetDropDownCount(int count)
{
    box_->setMaxVisibleItems(count);
}

QString TComboBox::ShowText(const std::string& bytes)
{
    input_->Write([&] { box_->setEditText(text_->Keep(bytes)); });
    return box_->currentText();
}

int TComboBox::ItemIndex() const
{
    // Handlers of a choice may rewrite the text; the entry chosen stays what they read.
    if (choosing_ >= 0)
        return choosing_;
    const int index = box_->currentIndex();
    if (index < 0 || (style_ == csDropDown && Text() != (*items_)[index]))
        return -1;
    return index;
}

void TComboBox::SetItemIndex(int index)
{
    box_->setCurrentIndex(index);
    if (style_ == csDropDown)
        ShowText(index >= 0 ? (*items_)[index] : std::string());
}

std::string TComboBox::Text() const
{
    if (style_ == csDropDown)
        return text_->Read(box_->currentText());
    const int index = box_->currentIndex();
    return index >= 0 ? (*items_)[index] : std::string();
}

void TComboBox::SetText(const std::string& text)
{
    if (style_ == csDropDown)
        ShowText(text);
    else
        box_->setCurrentIndex(items_->IndexOf(text));
}

void TComboBox::Chosen(int index)
{
    if (style_ == csDropDown)
        ShowText((*items_)[index]);
    Choose(index);
}

void TComboBox::Choose(int index)
{
    choosing_ = index;
    if (OnClick)
        OnClick();
    if (OnSelect)
        OnSelect();
    else if (OnChange)
        OnChange();
    choosing_ = -1;
}

void TComboBox::Typed(const QString& text)
{
    if (autoComplete_ && !deleting_ && Complete(text))
        return;
    if (OnChange)
        OnChange();
}

bool TComboBox::Complete(const QString& typed)
{
    QLineEdit* editor = box_->lineEdit();
    if (typed.isEmpty() || editor->cursorPosition() != typed.size())
        return false;
    int found = -1;
    for (int i = 0; i < items_->Count() && found < 0; ++i) {
        if (ToQt((*items_)[i]).startsWith(typed, Qt::CaseInsensitive))
            found = i;
    }
    if (found < 0)
        return false;
    const bool newChoice = box_->currentIndex() != found;
    box_->setCurrentIndex(found);
    const QString completed = ShowText((*items_)[found]);
    editor->setSelection(static_cast<int>(typed.size()), static_cast<int>(completed.size() - typed.size()));
    if (newChoice)
        Choose(found);
    return true;
}

bool TComboBox::HandleEvent(QObject* watched, QEvent& event)
{
    QLineEdit* editor = box_->lineEdit();
    // A click into the text is a click on the box; a click on its arrow opens the list.
    if (editor && watched == editor) {
        HandleMouse(event, editor->pos(), true);
        return false;
    }
    if (watched != box_ || event.type() != QEvent::KeyPress)
        return TControl::HandleEvent(watched, event);
    const int key = static_cast<QKeyEvent&>(event).key();
    deleting_ = key == Qt::Key_Backspace || key == Qt::Key_Delete;
    if (TControl::HandleEvent(watched, event))
        return true;
    // Qt would take Return as choosing the entry the text matches; only the list chooses.
    return editor && (key == Qt::Key_Return || key == Qt::Key_Enter);
}

bool TComboBox::TakesKey(const QKeyEvent& key) const
{
    return style_ == csDropDown && IsEditKey(key);
}

void TComboBox::ApplyColor()
{
    PaintBackground(*box_, QPalette::Base, Color());
}
