#pragma once

#include "framework/TApplication.h"
#include "framework/Testing.h"
#include "tests/support/QtTesting.h"

#include <QToolTip>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// Every test gets a fresh application over the test program's one offscreen QApplication.
class ApplicationFixture : public ::testing::Test {
protected:
    ApplicationFixture()
    {
        TestSupport::EnsureOffscreenQt();
        StartApplication();
    }

    // A tool tip outlives the application object that showed it, and no test leaves a
    // worker behind.
    ~ApplicationFixture() override
    {
        QToolTip::hideText();
        Testing::WaitForWorkers();
        EndApplication();
    }

    void StartApplication()
    {
        application_.emplace(TestSupport::ArgumentCount(), TestSupport::Arguments());
        Application->Initialize();
    }

    // Ends the test's application now, as the end of the program would: workers still
    // running are not waited for.
    void EndApplication() { application_.reset(); }

    // Message boxes are answered with OK and their texts kept, with what else the test keeps.
    void RecordMessages()
    {
        Testing::SetMessageHook([this](const std::string& text, const std::string&) {
            messages.push_back(text);
            return mrOk;
        });
    }
    std::vector<std::string> messages;

private:
    std::optional<TApplication> application_;
};
