#pragma once

#include "framework/TApplication.h"

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

// Handles events until the condition holds; false when it still fails after a long wait.
bool WaitUntil(const std::function<bool()>& condition);

// Types the text into the widget key by key, also characters that have no key of their own.
void Type(QWidget* widget, const QString& text);

// A double click as the desktop delivers it: press, release, double click, release.
void DoubleClick(QWidget* widget, const QPoint& at);

// The pointer moves over the widget with no button held.
void MoveMouse(QWidget* widget, const QPoint& at);
