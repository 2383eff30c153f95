#pragma once

#include "framework/TComponent.h"
#include "framework/TMenuItem.h"

#include <functional>
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
    // Raises OnPopup, then shows the menu with its top-left corner at these screen coordinates.
    void Popup(int x, int y);
    // Whether a context-menu request over the attached controls pops the menu up.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    // Right before the menu shows, so that the program can fill it.
    std::function<void()> OnPopup;
    QMenu* Menu() const { return menu_.get(); }

private:
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<TMenuItem> items_;
    std::unique_ptr<QObject> requests_;
    bool autoPopup_ = true;
};
