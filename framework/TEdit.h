#pragma once

#include "framework/TControl.h"

#include <functional>
#include <memory>
#include <string>

class KeptText;
class LineValidator;
class QLineEdit;

// One line of editable text. OnChange follows every change of the text, typed or
// written by the program; writing the text it already holds raises nothing. What the user
// types or pastes holds no control character; a text the program writes stays as written.
// While the box has the focus, the keys it edits with are its own, not the form's short-cuts.
class TEdit : public TControl {
public:
    explicit TEdit(TControl& parent);
    ~TEdit() override;

    std::string Text() const;
    void SetText(const std::string& text);
    // The most characters, as the user counts them, that typing or pasting leaves in the
    // box; 0 for no limit. A longer text the program writes stays whole.
    int MaxLength() const;
    void SetMaxLength(int characters);
    void SelectAll();

    std::function<void()> OnChange;

protected:
    void ApplyColor() override;
    bool TakesKey(const QKeyEvent& key) const override;

private:
    QLineEdit* edit_ = nullptr;
    LineValidator* input_ = nullptr;
    std::unique_ptr<KeptText> text_;
};
