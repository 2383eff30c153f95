#pragma once

#include "framework/TApplication.h"
#include "framework/TButton.h"
#include "framework/TCheckBox.h"
#include "framework/TComboBox.h"
#include "framework/TEdit.h"
#include "framework/TImage.h"
#include "framework/TLabel.h"
#include "framework/TListBox.h"
#include "framework/TListView.h"
#include "framework/TPanel.h"
#include "framework/TStaticText.h"
#include "framework/Testing.h"
#include "tests/support/QtTesting.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// Every test gets a fresh application over the one offscreen QApplication of the program.
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

// A form on the screen for the controls under test.
class OnAForm : public FrameworkTest {
protected:
    OnAForm()
    {
        form.SetBounds(0, 0, 400, 300);
        form.Show();
    }

    TForm form;
};

using TestSupport::DoubleClick;
using TestSupport::MoveMouse;
using TestSupport::Type;
using TestSupport::WaitUntil;
