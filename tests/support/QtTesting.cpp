#include "tests/support/QtTesting.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QTest>

namespace TestSupport {

namespace {

int argumentCount = 1;
char programName[] = "vesktunelo_tests";
char* arguments[] = {programName, nullptr};

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

} // namespace TestSupport
