#include "tests/framework/FrameworkTest.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>

#include <tuple>

namespace {

enum class Arrival { Typed, Committed, Pasted, Written };

// Brings the text into the box as the user does: key by key, as an input method's commit or
// from the clipboard; the program's own writing is the caller's.
void Arrive(QWidget* box, Arrival arrival, const char* text)
{
    switch (arrival) {
    case Arrival::Typed: Type(box, QString::fromUtf8(text)); break;
    case Arrival::Committed: {
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8(text));
        QApplication::sendEvent(box, &commit);
        break;
    }
    case Arrival::Pasted:
        QApplication::clipboard()->setText(QString::fromUtf8(text));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Arrival::Written: break;
    }
}

class TextBoxes : public OnAForm {
protected:
    TextBoxes()
    {
        edit.OnChange = [this] { events.push_back("change " + edit.Text()); };
        box.SetBounds(0, 40, 200, 24);
        for (const char* decade : {"all years", "1920s", "1990s", "2000s"})
            box.Items().Add(decade);
        box.OnChange = [this] { events.push_back("change " + box.Text()); };
        box.OnClick = [this] { events.push_back("click " + box.Text()); };
        box.OnSelect = [this] { events.push_back("select " + std::to_string(box.ItemIndex())); };
    }

    QComboBox& Combo() { return *static_cast<QComboBox*>(box.Widget()); }

    TEdit& edit = Make<TEdit>(form);
    TComboBox& box = Make<TComboBox>(form);
    std::vector<std::string> events;
};

TEST_F(TextBoxes, EditsRaiseOnKeyDownBeforeTheKeyTakesEffectAndSwallowAKeyItClears)
{
    edit.SetText("x");
    edit.OnKeyDown = [this](TKey& key, TShiftState shift) {
        events.push_back("down " + std::to_string(key) + " " + std::to_string(shift.Flags) + " " + edit.Text());
        if (key == 'Q')
            key = 0;
    };
    events.clear();
    QTest::keyClick(edit.Widget(), Qt::Key_A, Qt::ShiftModifier);
    QTest::keyClick(edit.Widget(), Qt::Key_Q);
    QTest::keyClick(edit.Widget(), Qt::Key_Delete);
    // The shift key is a key of its own; the letter comes as its upper-case code.
    EXPECT_EQ(events, (std::vector<std::string>{"down 16 1 x", "down 65 1 x", "change xa", "down 81 0 xa",
                                                "down 46 0 xa"}));
}

// The same text in UTF-8 is other bytes: a change.
TEST_F(TextBoxes, EditsGiveBackTheBytesTheyWereGivenAndRaiseOnChangeForEveryNewText)
{
    const std::string windows1252 = "Caf\xE9 \x93" "Blue\x94";
    const std::string utf8 = "Caf\xC3\xA9 \xE2\x80\x9C" "Blue\xE2\x80\x9D";
    edit.SetText(windows1252);
    EXPECT_EQ(static_cast<QLineEdit*>(edit.Widget())->text(), QString::fromStdString(utf8));
    EXPECT_EQ(edit.Text(), windows1252);
    edit.SetText(windows1252);
    edit.SetText(utf8);
    edit.SetText("");
    Type(edit.Widget(), QString::fromUtf8("bl\xC3\xA9"));
    EXPECT_EQ(events, (std::vector<std::string>{"change " + windows1252, "change " + utf8, "change ", "change b",
                                                "change bl", "change bl\xC3\xA9"}));
}

TEST_F(TextBoxes, ComboBoxesRaiseNothingWhenTheProgramWritesTheirTextOrChoice)
{
    for (TComboBoxStyle style : {csDropDown, csDropDownList}) {
        box.SetStyle(style);
        box.SetText("1990s");
        EXPECT_EQ(box.Text(), "1990s");
        box.SetItemIndex(3);
        EXPECT_EQ(box.Text(), "2000s");
        box.SetItemIndex(-1);
        EXPECT_EQ(Combo().currentText(), QString());
    }
    EXPECT_TRUE(events.empty());
}

TEST_F(TextBoxes, ComboBoxesRaiseOnClickForAClickIntoTheirTextAndTakeNoReturnAsAChoice)
{
    Type(box.Widget(), "1990s");
    events.clear();
    box.OnKeyDown = [&](TKey& key, TShiftState) { events.push_back("key " + std::to_string(key)); };
    QTest::mouseClick(Combo().lineEdit(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(box.Widget(), Qt::Key_Return);
    EXPECT_EQ(events, (std::vector<std::string>{"click 1990s", "key 13"}));
}

TEST_F(TextBoxes, ComboBoxesCompleteTypedTextToTheFirstEntryItBegins)
{
    box.Items().Clear();
    for (const char* genre : {"all genres", "pop", "rock", "rock & roll"})
        box.Items().Add(genre);
    box.SetAutoComplete(true);
    Type(box.Widget(), "Ro");
    EXPECT_EQ(Combo().lineEdit()->selectedText(), "ck");
    Type(box.Widget(), "ck ");
    QTest::keyClick(box.Widget(), Qt::Key_Backspace);
    Type(box.Widget(), "x");
    EXPECT_EQ(events, (std::vector<std::string>{"click rock", "select 2", "click rock & roll", "select 3",
                                                "change rock ", "change rock x"}));
}

TEST_F(TextBoxes, ComboBoxesShowAsManyRowsInTheirListAsTheDropDownCountSays)
{
    for (int i = 0; i < 30; ++i)
        box.Items().Add("genre " + std::to_string(i));
    box.SetDropDownCount(20);
    Combo().showPopup();
    QAbstractItemView* list = Combo().view();
    EXPECT_EQ(list->indexAt(QPoint(5, list->viewport()->height() - 1)).row(), 19);
}

TEST_F(TextBoxes, EditsTakeNoControlCharacterAndNoCharacterPastTheLimit)
{
    // Where the text arrives, -1 for the end, and how much of the text it replaces.
    struct Case { int maxLength; const char* written; int cursor, selected; Arrival arrival; const char *input, *text; };
    const char* const full = "Café del Mar 🎵 Chill Mix";
    const Case cases[] = {
        {0, "", -1, 0, Arrival::Pasted, "a\nb\tc\r\nd", "abcd"},
        {0, "", -1, 0, Arrival::Pasted, "x\x7F\u0085\u009Fy", "xy"},
        {0, "", -1, 0, Arrival::Committed, "a\x01" "b\x1B" "c", "abc"},
        {0, "ab", -1, 0, Arrival::Pasted, "\r\n", "ab"},
        {24, "", -1, 0, Arrival::Pasted, "Ça va 🎵 Mañana 😀 Sinfonía nº 9", "Ça va 🎵 Mañana 😀 Sinfoní"},
        {24, "Café del Mar 🎵 Chill Mi", -1, 0, Arrival::Committed, "😀x", "Café del Mar 🎵 Chill Mi😀"},
        {24, full, -1, 0, Arrival::Typed, "x", full},
        {8, "abcdef", 3, 0, Arrival::Pasted, "12345", "abc12def"},
        {4, "ab", 1, 0, Arrival::Committed, "😀😀😀", "a😀😀b"},
        // One emoji for another that shares its second UTF-16 unit.
        {0, "a🨀", 1, 2, Arrival::Committed, "\n😀", "a😀"},
        // The program's own text stays as written, also past the limit.
        {4, "a\nbcdef", -1, 0, Arrival::Typed, "x", "a\nbcdef"},
    };
    auto* line = static_cast<QLineEdit*>(edit.Widget());
    for (const auto& [maxLength, written, cursor, selected, arrival, input, text] : cases) {
        edit.SetMaxLength(maxLength);
        edit.SetText(written);
        line->setSelection(cursor < 0 ? static_cast<int>(line->text().size()) : cursor, selected);
        events.clear();
        Arrive(edit.Widget(), arrival, input);
        EXPECT_EQ(edit.Text(), text) << input;
        EXPECT_EQ(events.size(), text == std::string(written) ? 0u : 1u) << input;
    }
}

TEST_F(TextBoxes, ComboBoxesConvertTheTextAsItArrives)
{
    const std::tuple<TEditCharCase, Arrival, const char*, const char*> cases[] = {
        {ecLowerCase, Arrival::Typed, "RoCK", "rock"},
        {ecLowerCase, Arrival::Pasted, "Hip-Hop", "hip-hop"},
        {ecLowerCase, Arrival::Written, "ALL Genres", "all genres"},
        {ecLowerCase, Arrival::Written, "caf\xE9", "caf\xE9"},
        {ecUpperCase, Arrival::Typed, "abc", "ABC"},
        {ecNormal, Arrival::Typed, "MiXed", "MiXed"},
        {ecNormal, Arrival::Pasted, "Hip\r\nHop", "HipHop"},
        {ecLowerCase, Arrival::Committed, "R\x01OCK", "rock"},
    };
    for (const auto& [charCase, arrival, input, text] : cases) {
        box.SetText("");
        box.SetCharCase(charCase);
        events.clear();
        if (arrival == Arrival::Written)
            box.SetText(input);
        else
            Arrive(box.Widget(), arrival, input);
        EXPECT_EQ(box.Text(), text) << input;
        EXPECT_EQ(events.empty(), arrival == Arrival::Written) << input;
    }
}

} // namespace
