#pragma once

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
#include "tests/support/ApplicationFixture.h"
#include "tests/support/QtTesting.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using FrameworkTest = ApplicationFixture;

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
