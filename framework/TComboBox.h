#pragma once

#include "framework/TControl.h"
#include "framework/TStrings.h"

#include <functional>
#include <memory>
#include <string>

class KeptText;
class QComboBox;
class QString;

enum TComboBoxStyle { csDropDown, csDropDownList };

// A text box with a drop-down list of entries (csDropDown), or the list alone
// (csDropDownList). Events:
// - typing raises OnChange; writing Text or ItemIndex from the program raises nothing;
// - choosing an entry puts its text in the box, then raises OnClick, then OnSelect
//   (OnChange instead when there is no OnSelect handler);
// - with AutoComplete, a typed character that makes the text begin an entry completes
//   the text to it, the added part selected, instead of raising OnChange; when that entry
//   was not already chosen, it is chosen as by the list.
class TComboBox : public TControl {
public:
    explicit TComboBox(TControl& parent);
    ~TComboBox() override;

    TStrings& Items();
    int ItemIndex() const;
    void SetItemIndex(int index);
    std::string Text() const;
    void SetText(const std::string& text);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    bool AutoComplete() const { return autoComplete_; }
    void SetAutoComplete(bool autoComplete) { autoComplete_ = autoComplete; }

    std::function<void()> OnChange;
    std::function<void()> OnSelect;

protected:
    bool ClicksOnMouseUp() const override { return false; }
    void ApplyColor() override;
    bool HandleEvent(QObject* watched, QEvent& event) override;

private:
    class ComboItems;

    void PrepareEditor();
    void Chosen(int index);
    // Raises OnClick, then OnSelect, for the entry just chosen.
    void Choose(int index);
    void Typed(const QString& text);
    bool Complete(const QString& typed);

    QComboBox* box_ = nullptr;
    std::unique_ptr<ComboItems> items_;
    std::unique_ptr<KeptText> text_;
    TComboBoxStyle style_ = csDropDown;
    bool autoComplete_ = false;
    bool deleting_ = false;
    int choosing_ = -1;
};
