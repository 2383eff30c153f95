#include "tests/framework/FrameworkTest.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>

namespace {

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

TEST_F(TextBoxes, EditsRaiseOnChangeForEveryNewTextWrittenOrTyped)
{
    edit.SetText("all titles");
    edit.SetText("all titles");
    edit.SetText("");
    Type(edit.Widget(), QString::fromUtf8("bl\xC3\xA9"));
    EXPECT_EQ(events, (std::vector<std::string>{"change all titles", "change ", "change b", "change bl",
                                                "change bl\xC3\xA9"}));
}

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

TEST_F(TextBoxes, EditsGiveBackTheBytesTheyWereGiven)
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

TEST_F(TextBoxes, ComboBoxesRaiseNothingWhenTheProgramWritesTheirText)
{
    box.SetText("1990s");
    box.SetItemIndex(3);
    EXPECT_EQ(box.Text(), "2000s");
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

enum class Arrival { Typed, Pasted, Written };

struct CaseCase {
    TEditCharCase charCase;
    Arrival arrival;
    const char* input;
    const char* text;
};

class ComboBoxCase : public TextBoxes, public ::testing::WithParamInterface<CaseCase> {};

TEST_P(ComboBoxCase, ConvertsTheTextAsItArrives)
{
    const auto& [charCase, arrival, input, text] = GetParam();
    box.SetCharCase(charCase);
    QApplication::clipboard()->setText(QString::fromUtf8(input));
    switch (arrival) {
    case Arrival::Typed: Type(box.Widget(), QString::fromUtf8(input)); break;
    case Arrival::Pasted: QTest::keyClick(Combo().lineEdit(), Qt::Key_V, Qt::ControlModifier); break;
    case Arrival::Written: box.SetText(input); break;
    }
    EXPECT_EQ(box.Text(), text);
    EXPECT_EQ(events.empty(), arrival == Arrival::Written);
}

INSTANTIATE_TEST_SUITE_P(Arrivals, ComboBoxCase,
                         ::testing::Values(CaseCase{ecLowerCase, Arrival::Typed, "RoCK", "rock"},
                                           CaseCase{ecLowerCase, Arrival::Pasted, "Hip-Hop", "hip-hop"},
                                           CaseCase{ecLowerCase, Arrival::Written, "ALL Genres", "all genres"},
                                           CaseCase{ecLowerCase, Arrival::Written, "caf\xE9", "caf\xE9"},
                                           CaseCase{ecUpperCase, Arrival::Typed, "abc", "ABC"},
                                           CaseCase{ecNormal, Arrival::Typed, "MiXed", "MiXed"}));

} // namespace
