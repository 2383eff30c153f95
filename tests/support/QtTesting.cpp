#include "tests/support/QtTesting.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QWindow>

namespace TestSupport {

namespace {

int argumentCount = 1;
char programName[] = "vesktunelo_tests";
char* arguments[] = {programName, nullptr};

// The window of the press, which gets every mouse event until the release.
QPointer<QWidget> pressedWindow;
QPoint lastGlobal;

QPoint InPressedWindow(const QPoint& global)
{
    return pressedWindow->mapFromGlobal(global);
}

} // namespace

int& ArgumentCount() { return argumentCount; }

char** Arguments() { return arguments; }

void EnsureOffscreenQt()
{
    if (QApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argumentCount, arguments);
}

bool WaitUntil(const std::function<bool()>& condition)
{
    QDeadlineTimer deadline(10000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

void Type(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(widget, static_cast<char>(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), {});
    }
}

void HoldKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers, int repeats)
{
    QTest::simulateEvent(widget, true, key, modifiers, {}, false);
    for (int i = 0; i < repeats; ++i) {
        QTest::simulateEvent(widget, false, key, modifiers, {}, true);
        QTest::simulateEvent(widget, true, key, modifiers, {}, true);
    }
    QTest::simulateEvent(widget, false, key, modifiers, {}, false);
}

void DoubleClick(QWidget* widget, const QPoint& at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

void MoveMouse(QWidget* widget, const QPoint& at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(widget, &move);
}

void PressLeft(QWidget* source, const QPoint& from)
{
    pressedWindow = source->window();
    lastGlobal = source->mapToGlobal(from);
    QTest::mousePress(pressedWindow->windowHandle(), Qt::LeftButton, {}, InPressedWindow(lastGlobal));
}

void DragTo(QWidget* over, const QPoint& to)
{
    const QPoint start = lastGlobal;
    const QPoint end = over->mapToGlobal(to);
    for (int step = 1; step <= DragSteps; ++step) {
        lastGlobal = start + (end - start) * step / DragSteps;
        QTest::mouseMove(pressedWindow->windowHandle(), InPressedWindow(lastGlobal));
    }
}

void ReleaseLeft(QWidget* over, const QPoint& at)
{
    QTest::mouseRelease(pressedWindow->windowHandle(), Qt::LeftButton, {}, InPressedWindow(over->mapToGlobal(at)));
}

void DragAndDrop(QWidget* source, const QPoint& from, QWidget* target, const QPoint& to)
{
    PressLeft(source, from);
    DragTo(target, to);
    ReleaseLeft(target, to);
}

} // namespace TestSupport
