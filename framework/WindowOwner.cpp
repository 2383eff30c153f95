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
