#pragma once

#include "framework/TComponent.h"
#include "framework/TMenuItem.h"

#include <memory>

class QMenu;
class QObject;
class TControl;

// A menu that pops up over a control on the desktop's context-menu request (a right
// click, or the menu key), or where the program asks.
class TPopupMenu : public TComponent {
public:
    TPopupMenu();
    ~TPopupMenu() override;

    TMenuItem& Items() { return *items_; }
    // Pops up on every context-menu request of the control and the children that have
    // no menu of their own.
    void AttachTo(TControl& control);
    // Screen coordinates of the menu's top-left corner.
    void Popup(int x, int y);
    QMenu* Menu() const { return menu_.get(); }

private:
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<TMenuItem> items_;
    std::unique_ptr<QObject> requests_;
};
