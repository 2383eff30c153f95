#pragma once

#include "framework/TControl.h"

#include <functional>
#include <memory>
#include <string>

class KeptText;
class QLineEdit;

// One line of editable text. OnChange follows every change of the text, typed or
// written by the program; writing the text it already holds raises nothing.
class TEdit : public TControl {
public:
    explicit TEdit(TControl& parent);
    ~TEdit() override;

    std::string Text() const;
    void SetText(const std::string& text);
    // The most characters the user can type or paste; 0 for no limit.
    int MaxLength() const;
    void SetMaxLength(int characters);
    void SelectAll();

    std::function<void()> OnChange;

protected:
    void ApplyColor() override;

private:
    QLineEdit* edit_ = nullptr;
    std::unique_ptr<KeptText> text_;
    int maxLength_ = 0;
};
