#include "tests/framework/FrameworkTest.h"

#include "framework/TComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

namespace {

class ComboBoxes : public FrameworkTest {
protected:
    ComboBoxes()
    {
        form.SetBounds(0, 0, 300, 200);
        form.Show();
        box.SetBounds(0, 0, 200, 24);
        for (const char* decade : {"all years", "1920s", "1990s", "2000s"})
            box.Items().Add(decade);
        box.OnChange = [this] { events.push_back("change " + box.Text()); };
        box.OnClick = [this] { events.push_back("click " + box.Text()); };
        box.OnSelect = [this] { events.push_back("select " + std::to_string(box.ItemIndex())); };
    }

    QComboBox& Qt() { return *static_cast<QComboBox*>(box.Widget()); }

    // Opens the drop-down list and clicks an entry, as the user does.
    void ChooseFromList(int index)
    {
        Qt().showPopup();
        QAbstractItemView* list = Qt().view();
        const QRect row = list->visualRect(list->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    }

    TForm form;
    TComboBox& box = Make<TComboBox>(form);
    std::vector<std::string> events;
};

TEST_F(ComboBoxes, RaiseNothingWhenTheProgramWritesTheText)
{
    box.SetText("all years");
    box.SetText("1990s");
    box.SetItemIndex(3);
    EXPECT_EQ(box.Text(), "2000s");
    EXPECT_TRUE(events.empty());
}

TEST_F(ComboBoxes, PutTheChosenTextInThenRaiseOnClickThenOnSelect)
{
    box.SetText("typed");
    ChooseFromList(2);
    EXPECT_EQ(events, (std::vector<std::string>{"click 1990s", "select 2"}));
    EXPECT_EQ(box.Text(), "1990s");
}

TEST_F(ComboBoxes, KeepTheChosenEntryForOnSelectWhenOnClickRewritesTheText)
{
    box.OnClick = [this] { box.SetText({}); };
    ChooseFromList(2);
    EXPECT_EQ(events, (std::vector<std::string>{"select 2"}));
    EXPECT_EQ(box.ItemIndex(), -1) << "after the choice the emptied text names no entry";
}

TEST_F(ComboBoxes, RaiseOnChangeAfterAChoiceWhenNothingHandlesOnSelect)
{
    box.OnSelect = nullptr;
    ChooseFromList(1);
    EXPECT_EQ(events, (std::vector<std::string>{"click 1920s", "change 1920s"}));
}

TEST_F(ComboBoxes, RaiseOnChangeForTypedText)
{
    Type(box.Widget(), "19");
    EXPECT_EQ(events, (std::vector<std::string>{"change 1", "change 19"}));
    EXPECT_EQ(box.ItemIndex(), -1);
}

TEST_F(ComboBoxes, DoNotTakeReturnAsAChoice)
{
    Type(box.Widget(), "1990s");
    events.clear();
    QTest::keyClick(box.Widget(), Qt::Key_Return);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(box.Items().Count(), 4);
}

TEST_F(ComboBoxes, RaiseOnClickForAClickIntoTheirText)
{
    QTest::mouseClick(Qt().lineEdit(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(events, (std::vector<std::string>{"click "}));
}

TEST_F(ComboBoxes, RaiseOnKeyDownForKeysTypedIntoThem)
{
    std::vector<TKey> keys;
    box.OnKeyDown = [&](TKey& key, TShiftState) { keys.push_back(key); };
    Type(box.Widget(), "a");
    QTest::keyClick(box.Widget(), Qt::Key_Backspace);
    EXPECT_EQ(keys, (std::vector<TKey>{'A', VK_BACK}));
}

TEST_F(ComboBoxes, CompleteTypedTextToTheFirstEntryItBegins)
{
    box.Items().Clear();
    for (const char* genre : {"all genres", "pop", "rock", "rock & roll"})
        box.Items().Add(genre);
    box.SetAutoComplete(true);
    Type(box.Widget(), "Ro");
    EXPECT_EQ(events, (std::vector<std::string>{"click rock", "select 2"}));
    EXPECT_EQ(box.Text(), "rock");
    EXPECT_EQ(Qt().lineEdit()->selectedText(), "ck");
    events.clear();
    Type(box.Widget(), "ck ");
    EXPECT_EQ(events, (std::vector<std::string>{"click rock & roll", "select 3"}));
    events.clear();
    QTest::keyClick(box.Widget(), Qt::Key_Backspace);
    EXPECT_EQ(events, (std::vector<std::string>{"change rock "}));
    Type(box.Widget(), "x");
    EXPECT_EQ(events.back(), "change rock x");
}

TEST_F(ComboBoxes, GiveBackTheBytesOfTheirEntries)
{
    box.Items().Set(1, "Chanson fran\xE7" "aise");
    EXPECT_EQ(Qt().itemText(1), QString::fromUtf8("Chanson française"));
    ChooseFromList(1);
    EXPECT_EQ(box.Text(), "Chanson fran\xE7" "aise");
    box.SetText("\xE9t\xE9");
    EXPECT_EQ(box.Text(), "\xE9t\xE9");
}

TEST_F(ComboBoxes, OfferOnlyTheirEntriesInTheListStyle)
{
    box.SetStyle(csDropDownList);
    EXPECT_EQ(Qt().lineEdit(), nullptr);
    box.SetText("1990s");
    EXPECT_EQ(box.ItemIndex(), 2);
    box.SetText("1980s");
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.Text(), "");
    ChooseFromList(3);
    EXPECT_EQ(events, (std::vector<std::string>{"click 2000s", "select 3"}));
}

TEST_F(ComboBoxes, KeepTheirItemsInStepWithTheList)
{
    box.Items().Insert(0, "first");
    box.Items().Delete(2);
    ASSERT_EQ(Qt().count(), 4);
    EXPECT_EQ(Qt().itemText(0), "first");
    EXPECT_EQ(Qt().itemText(2), "1990s");
    EXPECT_THROW(box.Items().Delete(4), std::out_of_range);
    EXPECT_THROW(box.Items().Insert(6, "x"), std::out_of_range);
    box.Items().Clear();
    EXPECT_EQ(Qt().count(), 0);
}

} // namespace
