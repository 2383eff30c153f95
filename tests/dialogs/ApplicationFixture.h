#pragma once

#include "framework/TApplication.h"
#include "framework/Testing.h"
#include "tests/support/QtTesting.h"

#include <gtest/gtest.h>

#include <optional>

// Every test gets a fresh application over the test program's one offscreen QApplication.
class ApplicationFixture : public ::testing::Test {
protected:
    ApplicationFixture()
    {
        TestSupport::EnsureOffscreenQt();
        StartApplication();
    }
    ~ApplicationFixture() override { EndApplication(); }

    void StartApplication()
    {
        application_.emplace(TestSupport::ArgumentCount(), TestSupport::Arguments());
        Application->Initialize();
    }

    // Lets the workers still running end first, as no test leaves one behind.
    void EndApplication()
    {
        Testing::WaitForWorkers();
        application_.reset();
    }

private:
    std::optional<TApplication> application_;
};
