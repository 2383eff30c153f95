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
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// A text box with a drop-down list of entries (csDropDown), or the list alone
// (csDropDownList). Events:
// - typing raises OnChange; writing Text or ItemIndex from the program raises nothing;
// - choosing an entry puts its text in the box, then raises OnClick, then OnSelect
//   (OnChange instead when there is no OnSelect handler);
// - with a CharCase other than ecNormal, the text is converted as it arrives, typed,
//   pasted, chosen or written by the program;
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
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase charCase);
    // The number of entries the drop-down list shows without scrolling.
    void SetDropDownCount(int count);

    std::function<void()> OnChange;
    std::function<void()> OnSelect;

protected:
    bool ClicksOnMouseUp() const override { return false; }
    void ApplyColor() override;
    bool HandleEvent(QObject* watched, QEvent& event) override;
    bool TakesKey(const QKeyEvent& key) const override;

private:
    class ComboItems;
    class CaseValidator;

    void PrepareEditor();
    // Shows the bytes as the box's text, in its letter case; returns what it shows.
    QString ShowText(const std::string& bytes);
    void Chosen(int index);
    // Raises OnClick, then OnSelect, for the entry just chosen.
    void Choose(int index);
    void Typed(const QString& text);
    bool Complete(const QString& typed);

    QComboBox* box_ = nullptr;
    std::unique_ptr<ComboItems> items_;
    std::unique_ptr<KeptText> text_;
    CaseValidator* input_ = nullptr;
    TComboBoxStyle style_ = csDropDown;
    TEditCharCase charCase_ = ecNormal;
    bool autoComplete_ = false;
    bool deleting_ = false;
    int choosing_ = -1;
};
