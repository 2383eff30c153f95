#pragma once

#include "framework/TApplication.h"
#include "tests/support/QtTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

// Every test gets a fresh application over the one offscreen QApplication of the program.
class QPoint;
class QString;
class QWidget;

class FrameworkTest : public ::testing::Test {
protected:
    FrameworkTest();
    ~FrameworkTest() override;

    // Ends the test's application now, as the end of the program would.
    void EndApplication() { application_.reset(); }
    void StartApplication();

private:
    std::optional<TApplication> application_;
};

using TestSupport::DoubleClick;
using TestSupport::MoveMouse;
using TestSupport::Type;
using TestSupport::WaitUntil;
