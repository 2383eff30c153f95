#include "tests/framework/FrameworkTest.h"

#include "framework/TButton.h"
#include "framework/TCheckBox.h"
#include "framework/TGroupBox.h"
#include "framework/TImage.h"
#include "framework/TLabel.h"
#include "framework/TPanel.h"
#include "framework/TSpeedButton.h"
#include "framework/TStaticText.h"
#include "tests/support/TempFolder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <string>
#include <vector>

namespace {

class SimpleControls : public FrameworkTest {
protected:
    SimpleControls()
    {
        form.SetBounds(0, 0, 400, 300);
        form.Show();
    }

    TForm form;
};

TEST_F(SimpleControls, CheckBoxesRaiseOnClickForEveryChangeByProgramOrUser)
{
    auto& box = Make<TCheckBox>(form);
    box.SetBounds(0, 0, 100, 20);
    std::vector<bool> clicks;
    box.OnClick = [&] { clicks.push_back(box.Checked()); };
    box.SetChecked(true);
    box.SetChecked(true);
    QTest::mouseClick(box.Widget(), Qt::LeftButton, {}, QPoint(5, 10));
    box.SetChecked(false);
    EXPECT_EQ(clicks, (std::vector<bool>{true, false}));
    box.SetChecked(true);
    EXPECT_EQ(clicks.size(), 3u);
}

TEST_F(SimpleControls, ButtonsRaiseOnClickOncePerClick)
{
    auto& button = Make<TButton>(form);
    auto& speed = Make<TSpeedButton>(form);
    button.SetBounds(0, 0, 80, 24);
    speed.SetBounds(100, 0, 24, 24);
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    speed.OnClick = [&] { clicks += 10; };
    QTest::mouseClick(button.Widget(), Qt::LeftButton);
    QTest::mouseClick(speed.Widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 11);
}

TEST_F(SimpleControls, SpeedButtonsStayDownOnlyAsTheProgramSets)
{
    auto& speed = Make<TSpeedButton>(form);
    auto* button = static_cast<QToolButton*>(speed.Widget());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(speed.Down());
    EXPECT_FALSE(button->isChecked());
    speed.SetDown(true);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(button->isChecked());
    EXPECT_TRUE(button->autoRaise());
}

TEST_F(SimpleControls, PicturesLoadFromJpegFiles)
{
    TestSupport::TempFolder folder;
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString(folder / "arrow.jpg"), "JPEG"));
    auto& image = Make<TImage>(form);
    EXPECT_FALSE(image.LoadPicture(folder / "missing.jpg"));
    EXPECT_TRUE(image.LoadPicture(folder / "arrow.jpg"));
    EXPECT_EQ(static_cast<QLabel*>(image.Widget())->pixmap().size(), QSize(30, 20));
    // Pictures compiled in load the same way; Qt carries some of its own.
    EXPECT_TRUE(image.LoadPicture(":/qt-project.org/styles/commonstyle/images/standardbutton-ok-16.png"));
    EXPECT_EQ(static_cast<QLabel*>(image.Widget())->pixmap().size(), QSize(16, 16));
    image.SetStretch(true);
    EXPECT_TRUE(static_cast<QLabel*>(image.Widget())->hasScaledContents());
    auto& glyph = Make<TSpeedButton>(form);
    EXPECT_TRUE(glyph.LoadGlyph(folder / "arrow.jpg"));
    int clicks = 0;
    image.OnClick = [&] { ++clicks; };
    image.SetBounds(0, 0, 30, 20);
    QTest::mouseClick(image.Widget(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicks, 1);
}

TEST_F(SimpleControls, LabelsTakeTheSizeOfTheirText)
{
    auto& label = Make<TLabel>(form);
    label.SetBounds(10, 10, 5, 5);
    label.SetCaption("Title:");
    const int width = label.Width();
    EXPECT_GT(width, 5);
    label.Font().SetBold(true);
    label.Font().SetHeight(-16);
    EXPECT_TRUE(label.Widget()->font().bold());
    EXPECT_EQ(label.Widget()->font().pixelSize(), 16);
    EXPECT_GT(label.Width(), width);
    label.SetAutoSize(false);
    label.SetWidth(5);
    label.SetCaption("a much longer title");
    EXPECT_EQ(label.Width(), 5);
}

TEST_F(SimpleControls, LabelsShowTheirColourUnlessTransparent)
{
    auto& label = Make<TLabel>(form);
    label.Font().SetColor(clMaroon);
    EXPECT_EQ(label.Widget()->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    label.SetColor(clSilver);
    EXPECT_TRUE(label.Widget()->autoFillBackground());
    label.SetTransparent(true);
    EXPECT_FALSE(label.Widget()->autoFillBackground());
}

TEST_F(SimpleControls, StaticTextsWrapAndBreakAtLineBreaksWithinTheirFixedSize)
{
    auto& text = Make<TStaticText>(form);
    text.SetBounds(0, 0, 441, 137);
    text.SetCaption("There was an error\r\nloading the source");
    auto* label = static_cast<QLabel*>(text.Widget());
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->text(), "There was an error\nloading the source");
    EXPECT_EQ(text.Caption(), "There was an error\r\nloading the source");
    EXPECT_EQ(text.BoundsRect(), (TRect{0, 0, 441, 137}));
    text.SetAlignment(taCenter);
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
}

TEST_F(SimpleControls, PanelsAndGroupBoxesShowCaptionsAndHoldControls)
{
    auto& panel = Make<TPanel>(form);
    panel.SetCaption("Step 1");
    panel.SetBorderStyle(bsSingle);
    EXPECT_EQ(static_cast<QLabel*>(panel.Widget())->text(), "Step 1");
    EXPECT_EQ(static_cast<QLabel*>(panel.Widget())->frameShape(), QFrame::Box);
    auto& group = Make<TGroupBox>(panel);
    group.SetCaption("Search");
    auto& inside = Make<TLabel>(group);
    EXPECT_EQ(static_cast<QGroupBox*>(group.Widget())->title(), "Search");
    EXPECT_EQ(inside.Widget()->parentWidget(), group.Widget());
}

} // namespace
