#include "tests/framework/FrameworkTest.h"

#include "framework/QtColors.h"
#include "framework/TAction.h"
#include "framework/TActionList.h"

#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

#include <cstdlib>
#include <tuple>

namespace {

class Controls : public OnAForm {
protected:
    Controls() { panel.SetBounds(10, 20, 100, 50); }

    TPanel& panel = Make<TPanel>(form);
};

TEST_F(Controls, KeepTheirPlaceInTheirParentAndTheirDistancesToTheAnchoredEdges)
{
    auto& stretched = Make<TPanel>(form);
    stretched.SetBounds(10, 10, 380, 200);
    stretched.SetAnchors(akLeft | akTop | akRight | akBottom);
    auto& corner = Make<TPanel>(form);
    corner.SetBounds(350, 250, 40, 40);
    corner.SetAnchors(akRight | akBottom);
    auto& inside = Make<TPanel>(stretched);
    inside.SetBounds(300, 5, 70, 20);
    inside.SetAnchors(akTop | akRight);
    form.Widget()->resize(500, 350);
    EXPECT_EQ(stretched.BoundsRect(), (TRect{10, 10, 490, 260}));
    EXPECT_EQ(corner.BoundsRect(), (TRect{450, 300, 490, 340}));
    EXPECT_EQ(inside.Widget()->mapTo(form.ClientWidget(), QPoint(0, 0)), QPoint(410, 15));
    EXPECT_EQ(panel.BoundsRect(), (TRect{10, 20, 110, 70}));
}

using Maker = TControl& (*)(TControl& parent);

template <class T>
TControl& Plain(TControl& parent)
{
    return Make<T>(parent);
}

template <class T>
TControl& Captioned(TControl& parent)
{
    auto& control = Make<T>(parent);
    control.SetCaption("Search within the text");
    return control;
}

TControl& TransparentLabel(TControl& parent)
{
    auto& label = static_cast<TLabel&>(Captioned<TLabel>(parent));
    label.SetAutoSize(false);
    label.SetTransparent(true);
    return label;
}

TControl& TransparentLabelOnGrey(TControl& parent)
{
    auto& grey = Make<TPanel>(parent);
    grey.SetBounds(0, 0, 400, 100);
    grey.SetColor(clGray);
    return TransparentLabel(grey);
}

TEST_F(Controls, PaintTheirBackground)
{
    const std::tuple<Maker, TColor, QColor> cases[] = {
        {Plain<TPanel>, 0x80FFFF, QColor(0xFF, 0xFF, 0x80)},     {Plain<TLabel>, 10995878, QColor(0xA6, 0xC8, 0xA7)},
        {Captioned<TCheckBox>, 8897218, QColor(0xC2, 0xC2, 0x87)}, {Plain<TEdit>, 14145495, QColor(215, 215, 215)},
        {Plain<TListView>, 14145495, QColor(215, 215, 215)},     {TransparentLabelOnGrey, clRed, QColor(128, 128, 128)}};
    for (const auto& [make, color, shown] : cases) {
        TControl& control = make(form);
        control.SetBounds(0, 0, 300, 30);
        control.SetColor(color);
        const QImage image = control.ClientWidget()->grab().toImage();
        EXPECT_EQ(image.pixelColor(image.width() - 6, image.height() / 2), shown) << color;
    }
}

// The number of pixels that stand out from the background: the ink of a text.
int InkPixels(const QImage& image, const QColor& background)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink += std::abs(qGray(image.pixel(x, y)) - qGray(background.rgb())) > 40 ? 1 : 0;
    }
    return ink;
}

class DisabledTexts : public Controls, public ::testing::WithParamInterface<std::tuple<Maker, TColor>> {};

// The desktop's grey for a disabled text vanishes on a silver form.
TEST_P(DisabledTexts, StayReadableOnGreyAndSilver)
{
    const auto& [make, background] = GetParam();
    panel.SetColor(background);
    TControl& control = make(panel);
    control.SetBounds(0, 0, 280, 40);
    control.SetColor(background);
    panel.SetEnabled(false);
    // Right of a check box's square, where only the text is.
    const QImage text = control.ClientWidget()->grab().toImage().copy(24, 0, 256, 40);
    EXPECT_GT(InkPixels(text, ToQColor(background)), 20);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DisabledTexts,
                         ::testing::Combine(::testing::Values<Maker>(TransparentLabel, Captioned<TStaticText>,
                                                                     Captioned<TCheckBox>),
                                            ::testing::Values(clGray, clSilver)));

TEST_F(Controls, LabelsTakeTheSizeOfTheirTextWhileAutoSize)
{
    auto& label = Make<TLabel>(form);
    label.SetCaption("Title:");
    const int width = label.Width();
    label.Font().SetHeight(-16);
    EXPECT_GT(label.Width(), width);
    label.SetAutoSize(false);
    label.SetWidth(5);
    label.SetCaption("a much longer title");
    EXPECT_EQ(label.Width(), 5);
}

// Captions are bytes, shown as Windows-1252 when they are not UTF-8.
TEST_F(Controls, StaticTextsBreakAtLineBreaksAndWrapWithinTheirFixedSize)
{
    auto& text = Make<TStaticText>(form);
    text.SetBounds(0, 0, 100, 137);
    text.SetCaption("There was an error\r\nloading \x93" "Caf\xE9\x94");
    auto* label = static_cast<QLabel*>(text.Widget());
    EXPECT_EQ(label->text(), QString::fromUtf8("There was an error\nloading “Café”"));
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(text.BoundsRect(), (TRect{0, 0, 100, 137}));
}

// A held key repeats its press and is let go once; a held short-cut acts once, and its key
// is not let go in the control.
TEST_F(Controls, RaiseTheMouseEventsWithPositionButtonsAndKeys)
{
    std::vector<std::string> events;
    panel.OnClick = [&] { events.push_back("click"); };
    panel.OnDblClick = [&] { events.push_back("double"); };
    panel.OnMouseUp = [&](TMouseButton button, TShiftState shift, int x, int y) {
        events.push_back("up " + std::to_string(button) + " " + std::to_string(shift.Flags) + " "
                         + std::to_string(x) + "," + std::to_string(y));
    };
    panel.OnMouseMove = [&](TShiftState, int x, int y) {
        events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
    panel.OnKeyDown = [&](TKey& key, TShiftState shift) {
        events.push_back("key " + std::to_string(key) + (shift.Contains(ssRepeat) ? " again" : ""));
    };
    panel.OnKeyUp = [&](TKey& key, TShiftState) { events.push_back("key up " + std::to_string(key)); };
    TAction& action = Make<TActionList>(form, form).Add();
    action.SetShortCut(scShift + VK_DELETE);
    action.SetEnabled(true);
    action.OnExecute = [&] { events.push_back("short-cut"); };
    QApplication::setActiveWindow(form.Widget());
    QTest::mouseClick(panel.Widget(), Qt::LeftButton, Qt::ShiftModifier, QPoint(7, 9));
    QTest::mouseClick(panel.Widget(), Qt::RightButton, Qt::ControlModifier, QPoint(3, 4));
    DoubleClick(panel.Widget(), QPoint(5, 5));
    MoveMouse(panel.Widget(), QPoint(12, 8));
    TestSupport::HoldKey(panel.Widget(), Qt::Key_Delete, {}, 2);
    TestSupport::HoldKey(panel.Widget(), Qt::Key_Delete, Qt::ShiftModifier, 2);
    EXPECT_EQ(events, (std::vector<std::string>{"click", "up 0 1 7,9", "up 1 4 3,4", "click", "up 0 0 5,5", "double",
                                                "up 0 0 5,5", "move 12,8", "key 46", "key 46 again", "key 46 again",
                                                "key up 46", "short-cut"}));
}

// Qt would hand the focus on to the next control, here an edit box outside the panel, at
// once or when the window is next activated.
TEST_F(Controls, LeaveTheFocusToTheirWindowWhenHiddenOrDisabled)
{
    TEdit& inside = Make<TEdit>(panel);
    Make<TEdit>(form).SetTop(100);
    for (const bool hide : {true, false}) {
        panel.Show();
        QApplication::setActiveWindow(form.Widget());
        inside.SetFocus();
        hide ? panel.Hide() : panel.SetEnabled(false);
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(form.Widget());
        EXPECT_EQ(QApplication::focusWidget(), form.Widget()) << hide;
    }
}

TEST_F(Controls, ShowTheirHintOnlyWhenShowHintIsSet)
{
    panel.SetHint("Displays the list");
    QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), panel.Widget()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(panel.Widget(), &tip);
    EXPECT_FALSE(QToolTip::isVisible());
    panel.SetShowHint(true);
    QApplication::sendEvent(panel.Widget(), &tip);
    EXPECT_EQ(QToolTip::text(), "Displays the list");
    panel.SetHint("A new text");
    EXPECT_EQ(QToolTip::text(), "A new text");
    panel.SetShowHint(false);
    EXPECT_TRUE(WaitUntil([] { return !QToolTip::isVisible(); }));
}

} // namespace
