#include "framework/TAction.h"

#include "framework/QtShortCut.h"
#include "framework/TextConversion.h"

#include <QAction>

TAction::TAction()
    : action_(std::make_unique<QAction>())
{
    action_->setEnabled(false);
    // A command acts once per press of its key, however long the key is held.
    action_->setAutoRepeat(false);
    QObject::connect(action_.get(), &QAction::triggered, action_.get(), [this] { Execute(); });
}

TAction::~TAction() = default;

void TAction::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    action_->setText(ToQt(caption_));
}

void TAction::SetShortCut(TShortCut shortCut)
{
    shortCut_ = shortCut;
    action_->setShortcut(ToQKeySequence(shortCut));
}

void TAction::SetHint(std::string hint)
{
    hint_ = std::move(hint);
    action_->setStatusTip(ToQt(hint_));
    action_->setToolTip(ToQt(hint_));
}

bool TAction::Enabled() const
{
    return action_->isEnabled();
}

void TAction::SetEnabled(bool enabled)
{
    action_->setEnabled(enabled);
}

// Only a checked action is checkable on the Qt side: an unchecked item then shows no
// empty box, and choosing it leaves the check to the update handler.
void TAction::SetChecked(bool checked)
{
    checked_ = checked;
    action_->setCheckable(checked);
    action_->setChecked(checked);
}

bool TAction::Execute()
{
    Update();
    if (!Enabled())
        return false;
    if (OnExecute)
        OnExecute();
    return true;
}

void TAction::Update()
{
    if (OnUpdate)
        OnUpdate();
}
