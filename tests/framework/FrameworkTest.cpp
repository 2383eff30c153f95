#include "tests/framework/FrameworkTest.h"

#include "framework/Testing.h"
#include "tests/support/QtTesting.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QTest>
#include <QToolTip>

FrameworkTest::FrameworkTest()
{
    TestSupport::EnsureOffscreenQt();
    StartApplication();
}

void FrameworkTest::StartApplication()
{
    application_.emplace(TestSupport::ArgumentCount(), TestSupport::Arguments());
    Application->Initialize();
}

FrameworkTest::~FrameworkTest()
{
    QToolTip::hideText();
    Testing::WaitForWorkers();
    application_.reset();
}
