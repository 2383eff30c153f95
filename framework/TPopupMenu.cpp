#include "framework/TPopupMenu.h"

#include "framework/TControl.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

namespace {

class ContextMenuRequests : public QObject {
public:
    explicit ContextMenuRequests(TPopupMenu& popup)
        : popup_(popup)
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ContextMenu || !popup_.AutoPopup())
            return false;
        const QPoint at = static_cast<QContextMenuEvent*>(event)->globalPos();
        popup_.Popup(at.x(), at.y());
        return true;
    }

private:
    TPopupMenu& popup_;
};

} // namespace

TPopupMenu::TPopupMenu()
    : menu_(std::make_unique<QMenu>())
    , items_(std::make_unique<TMenuItem>(*menu_))
    , requests_(std::make_unique<ContextMenuRequests>(*this))
{
}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::AttachTo(TControl& control)
{
    control.Widget()->installEventFilter(requests_.get());
}

void TPopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup();
    menu_->popup(QPoint(x, y));
}
