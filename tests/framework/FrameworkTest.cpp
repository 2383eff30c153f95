#include "tests/framework/FrameworkTest.h"

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
