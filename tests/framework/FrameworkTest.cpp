#include "tests/framework/FrameworkTest.h"

#include "framework/Testing.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QTest>
#include <QToolTip>

namespace {

int argumentCount = 1;
char programName[] = "framework_tests";
char* arguments[] = {programName, nullptr};

void EnsureQt()
{
    if (QApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives until the process ends: Qt cannot be set up twice in one process.
    new QApplication(argumentCount, arguments);
}

} // namespace

FrameworkTest::FrameworkTest()
{
    EnsureQt();
    StartApplication();
}

void FrameworkTest::StartApplication()
{
    application_.emplace(argumentCount, arguments);
    Application->Initialize();
}

FrameworkTest::~FrameworkTest()
{
    QToolTip::hideText();
    Testing::WaitForWorkers();
    application_.reset();
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
