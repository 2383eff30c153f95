#include "framework/TPopupMenu.h"

#include "framework/TControl.h"

#include <QApplication>
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

// Every control keeps its own mouse clicks, and Qt stops a context-menu request where it
// stops the mouse: at the control under the pointer. A request that this control leaves
// unanswered goes on to its parent, and so on up to the window, so that it reaches the
// nearest control with a menu.
class ContextMenuRouter : public QObject {
public:
    // Installing it again leaves it installed once.
    static void Install()
    {
        static ContextMenuRouter router;
        qApp->installEventFilter(&router);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ContextMenu || routing_ || !watched->isWidgetType())
            return false;
        routing_ = true;
        Route(*static_cast<QWidget*>(watched), *static_cast<QContextMenuEvent*>(event));
        routing_ = false;
        // Qt must not pass it up once more: it has been everywhere it can go.
        event->accept();
        return true;
    }

private:
    static void Route(QWidget& receiver, QContextMenuEvent& request)
    {
        QCoreApplication::sendEvent(&receiver, &request);
        QWidget* reached = &receiver;
        while (!request.isAccepted()) {
            while (!reached->isWindow() && !reached->testAttribute(Qt::WA_NoMousePropagation))
                reached = reached->parentWidget();
            if (reached->isWindow())
                return;
            reached = reached->parentWidget();
            QContextMenuEvent onward(request.reason(), reached->mapFromGlobal(request.globalPos()),
                                     request.globalPos(), request.modifiers());
            QCoreApplication::sendEvent(reached, &onward);
            request.setAccepted(onward.isAccepted());
        }
    }

    bool routing_ = false;
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
    ContextMenuRouter::Install();
    control.Widget()->installEventFilter(requests_.get());
}

void TPopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup();
    menu_->popup(QPoint(x, y));
}
