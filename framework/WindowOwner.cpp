#include "framework/WindowOwner.h"

#include "framework/TApplication.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace {

bool OwnedBy(const QWindow* window, const QWindow& owner)
{
    for (; window; window = window->transientParent()) {
        if (window == &owner)
            return true;
    }
    return false;
}

QWindow* HandleOf(QWidget* window)
{
    if (!window)
        return nullptr;
    window->winId();
    return window->windowHandle();
}

} // namespace

void OwnByOpener(QWidget& window)
{
    QWindow& handle = *HandleOf(&window);
    QWidget* mainForm = Application && Application->MainForm() ? Application->MainForm()->Widget() : nullptr;
    QWindow* owner = nullptr;
    for (QWidget* candidate : {QApplication::activeWindow(), mainForm}) {
        QWindow* opener = HandleOf(candidate);
        if (opener && !OwnedBy(opener, handle)) {
            owner = opener;
            break;
        }
    }
    handle.setTransientParent(owner);
}

// Some window managers (openbox) ignore the buttons a dialog asks for and go by its type
// alone: a toolbar window keeps its title and close box but can be neither minimised nor
// maximised. Qt hands the type over only when it changes on a window that exists, and
// forgets it when it makes the window anew after a change of flags.
void SetDialogTitleBar(QWidget& window, bool dialog)
{
    window.winId();
    window.setAttribute(Qt::WA_X11NetWmWindowTypeToolBar, dialog);
}
