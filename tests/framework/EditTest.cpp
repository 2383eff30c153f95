#include "tests/framework/FrameworkTest.h"

#include "framework/TEdit.h"

#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

namespace {

class Edits : public FrameworkTest {
protected:
    Edits()
    {
        form.Show();
        edit.SetBounds(0, 0, 200, 24);
        edit.OnChange = [this] { events.push_back("change " + edit.Text()); };
    }

    TForm form;
    TEdit& edit = Make<TEdit>(form);
    std::vector<std::string> events;
};

TEST_F(Edits, RaiseOnChangeWhenTheProgramChangesTheText)
{
    edit.SetText("all titles");
    edit.SetText("all titles");
    edit.SetText("");
    EXPECT_EQ(events, (std::vector<std::string>{"change all titles", "change "}));
}

TEST_F(Edits, RaiseOnChangeForEveryTypedCharacter)
{
    Type(edit.Widget(), QString::fromUtf8("bl\xC3\xA9"));
    EXPECT_EQ(events, (std::vector<std::string>{"change b", "change bl", "change bl\xC3\xA9"}));
}

TEST_F(Edits, RaiseOnKeyDownBeforeTheKeyTakesEffect)
{
    edit.SetText("x");
    events.clear();
    edit.OnKeyDown = [this](TKey& key, TShiftState shift) {
        events.push_back("down " + std::to_string(key) + " " + std::to_string(shift.Flags) + " "
                         + edit.Text());
    };
    edit.OnKeyUp = [this](TKey& key, TShiftState) { events.push_back("up " + std::to_string(key)); };
    QTest::keyClick(edit.Widget(), Qt::Key_A, Qt::ShiftModifier);
    QTest::keyClick(edit.Widget(), Qt::Key_Delete);
    // The shift key is a key of its own; the letter comes as its upper-case code.
    EXPECT_EQ(events, (std::vector<std::string>{"down 16 1 x", "down 65 1 x", "change xa", "up 65",
                                                "up 16", "down 46 0 xa", "up 46"}));
}

TEST_F(Edits, SwallowAKeyWhoseHandlerClearsIt)
{
    edit.OnKeyDown = [](TKey& key, TShiftState) {
        if (key == 'Q')
            key = 0;
    };
    QTest::keyClicks(edit.Widget(), "aqb");
    EXPECT_EQ(edit.Text(), "ab");
}

TEST_F(Edits, GiveBackTheBytesTheyWereGiven)
{
    const std::string windows1252 = "Caf\xE9 \x93" "Blue\x94";
    edit.SetText(windows1252);
    EXPECT_EQ(static_cast<QLineEdit*>(edit.Widget())->text(), QString::fromUtf8("Café “Blue”"));
    EXPECT_EQ(edit.Text(), windows1252);
    // The same text in UTF-8 is other bytes: a change.
    edit.SetText("Caf\xC3\xA9 \xE2\x80\x9C" "Blue\xE2\x80\x9D");
    EXPECT_EQ(edit.Text(), "Caf\xC3\xA9 \xE2\x80\x9C" "Blue\xE2\x80\x9D");
    EXPECT_EQ(events.size(), 2u);
}

TEST_F(Edits, PaintTheirColourBehindTheText)
{
    EXPECT_EQ(edit.Color(), clWindow);
    edit.SetColor(14145495);
    EXPECT_EQ(edit.Widget()->palette().color(QPalette::Base), QColor(215, 215, 215));
}

} // namespace
