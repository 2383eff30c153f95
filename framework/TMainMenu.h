#pragma once

#include "framework/TComponent.h"
#include "framework/TMenuItem.h"

#include <QPointer>

class QMenuBar;

// A form's menu bar: each item of Items is one menu of the bar. A form shows it once
// given as its Menu, its client area below it.
class TMainMenu : public TComponent {
public:
    TMainMenu();
    ~TMainMenu() override;

    TMenuItem& Items() { return *items_; }
    QMenuBar* Bar() const;

private:
    // The form takes the bar into its window, and may go first.
    QPointer<QMenuBar> bar_;
    std::unique_ptr<TMenuItem> items_;
};
