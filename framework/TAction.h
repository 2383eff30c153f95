#pragma once

#include "framework/ShortCut.h"
#include "framework/TComponent.h"

#include <functional>
#include <memory>
#include <string>

class QAction;

// A command of a form: caption, category, short-cut and hint, and whether it can run
// now and is checked. Every action starts disabled; OnUpdate, run whenever the
// application goes idle and once more right before the action executes, decides both.
// The menu items that carry the action and its short-cut follow it.
class TAction : public TComponent {
public:
    TAction();
    ~TAction() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    const std::string& Category() const { return category_; }
    void SetCategory(std::string category) { category_ = std::move(category); }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut);
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    // Runs OnUpdate, then OnExecute when the action is still enabled; true when it ran.
    bool Execute();
    void Update();

    std::function<void()> OnExecute;
    std::function<void()> OnUpdate;

    // The Qt side that menus show and the form's short-cuts trigger.
    QAction* QtAction() const { return action_.get(); }

private:
    std::unique_ptr<QAction> action_;
    std::string caption_;
    std::string category_;
    std::string hint_;
    TShortCut shortCut_ = scNone;
    bool checked_ = false;
};
