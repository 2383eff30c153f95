#pragma once

#include "framework/TComponent.h"

#include <vector>

class TAction;
class TForm;

// The actions of a form. Their short-cuts work while the form is active and enabled, and
// the application runs their update handlers whenever it goes idle while the form shows.
class TActionList : public TComponent {
public:
    explicit TActionList(TForm& form);
    ~TActionList() override;

    // A new action of the list, disabled until its update handler enables it.
    TAction& Add();
    const std::vector<TAction*>& Items() const { return actions_; }
    void UpdateActions();

private:
    TForm& form_;
    std::vector<TAction*> actions_;
};
