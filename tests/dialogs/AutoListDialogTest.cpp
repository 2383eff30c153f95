#include "catalogue/Manager.h"
#include "dialogs/autotunelodlg.h"
#include "dialogs/messagebox.h"
#include "tests/support/ApplicationFixture.h"
#include "tests/support/SongSamples.h"

#include <QTableView>
#include <QTest>

namespace {

using namespace SongSamples;

// The dialog shown over a list of three songs; what the message box says is recorded.
class AutoListDialog : public ApplicationFixture {
protected:
    AutoListDialog()
    {
        Testing::SetModalHook([this](TForm&) {
            messages.push_back(MessageDialog->CaptionText->Caption());
            return mrOk;
        });
        dialog.SearchList = model.AddPlayList(ListOf("Music", {Make({.title = "Rock On", .artist = "Ann"}),
                                                               Make({.title = "Blue", .artist = "Bob"}),
                                                               Make({.title = "Rocket", .artist = "Bob"})}));
        dialog.Show();
    }

    // Enter held down for `repeats` repeats adds the criterion once, on its release.
    void Add(int field, int op, const std::string& text, int repeats = 0)
    {
        dialog.Type->SetItemIndex(field);
        dialog.Logic->SetItemIndex(op);
        QTest::keyClicks(dialog.Text->Widget(), QString::fromStdString(text));
        TestSupport::HoldKey(dialog.Text->Widget(), Qt::Key_Return, {}, repeats);
    }

    void ClickRow(int row, Qt::KeyboardModifiers keys = {})
    {
        auto* table = static_cast<QTableView*>(dialog.CriteriaList->Widget());
        QTest::mouseClick(table->viewport(), Qt::LeftButton, keys, table->visualRect(table->model()->index(row, 3)).center());
    }

    // Each row's category, logic and text, and whether its box is ticked.
    Strings Rows() const
    {
        Strings rows;
        for (int row = 0; row < dialog.CriteriaList->Items().Count(); ++row) {
            const TListItem item = dialog.CriteriaList->Items().Item(row);
            rows.push_back(item.ColumnText(1) + "|" + item.ColumnText(2) + "|" + item.ColumnText(3) +
                           (item.Checked() ? "" : " (off)"));
        }
        return rows;
    }

    std::string Controls() const { return dialog.Type->Text() + "|" + dialog.Logic->Text() + "|" + dialog.Text->Text(); }

    static TAutoTuneloDialog& MakeForms()
    {
        Application->CreateForm(MessageDialog);
        Application->CreateForm(AutoTuneloDialog);
        return *AutoTuneloDialog;
    }

    VT::Manager model;
    TAutoTuneloDialog& dialog = MakeForms();
    Strings messages;
};

TEST_F(AutoListDialog, NewestCriterionComesFirstAndDeletingSelectedRowsKeepsRowsAndFilterInStep)
{
    Add(0, 0, "rock");
    Add(1, 2, "bob", 3);
    dialog.Type->SetItemIndex(0);
    QTest::keyClicks(dialog.Text->Widget(), "zz");
    QTest::mouseClick(dialog.CreateCriteria->Widget(), Qt::LeftButton);
    EXPECT_EQ(Rows(), (Strings{"Title|Is|zz", "Artist|Is|bob", "Title|Contains|rock"}));
    ClickRow(0);
    ClickRow(2, Qt::ControlModifier);
    QTest::keyClick(dialog.CriteriaList->Widget(), Qt::Key_Delete);
    EXPECT_EQ(Controls(), "Title|Contains|");
    ClickRow(0);
    EXPECT_EQ(Controls(), "Artist|Is|bob");
    EXPECT_EQ(Rows(), Strings{"Artist|Is|bob"});
    EXPECT_EQ(Titles(dialog.BuildPlayList()), (Strings{"Blue", "Rocket"}));
}

// OK stays with a message until a ticked criterion finds a song; an empty text counts as
// matched under All, and the list OK found is handed on under the name as typed.
TEST_F(AutoListDialog, OkNeedsATickedCriterionThatFindsSongs)
{
    const std::string noCriteria = "There are no criteria created or checked. To create a criteria, use the \"create\" "
                                   "button after you have defined the criteria.";
    dialog.OkClick();
    Add(0, 2, "rocket");
    dialog.CriteriaListCheck(0, false);
    dialog.OkClick();
    dialog.ClearClick();
    Add(1, 2, "nobody");
    dialog.OkClick();
    EXPECT_EQ(messages, (Strings{noCriteria, noCriteria, "There were no songs found that match your criteria. Use "
                                                         "different criteria or press cancel"}));
    EXPECT_EQ(dialog.ModalResult(), mrNone);
    dialog.ClearClick();
    Add(0, 3, "");
    Add(1, 2, "Bob");
    dialog.LogicCheckCombo->SetItemIndex(1);
    dialog.PlayListName->SetText("");
    dialog.OkClick();
    EXPECT_EQ(dialog.ModalResult(), mrOk);
    const VT::PlayList built = dialog.TakeBuiltPlayList();
    EXPECT_EQ(Titles(built), (Strings{"Blue", "Rocket"}));
    EXPECT_EQ(built.GetName(), "");
}

// Two rows selected show no choice; a choice or a text then goes into both, the rest
// stays, and a criterion made now holds 255 for what shows nothing.
TEST_F(AutoListDialog, SeveralSelectedRowsTakeOnlyWhatIsChanged)
{
    Add(0, 0, "rock");
    Add(1, 2, "bob");
    ClickRow(0);
    ClickRow(1, Qt::ShiftModifier);
    EXPECT_EQ(Controls(), "||");
    QTest::keyClicks(dialog.Type->Widget(), "G");
    EXPECT_EQ(Rows(), (Strings{"Genre|Is|bob", "Genre|Contains|rock"}));
    QTest::keyClicks(dialog.Text->Widget(), "pop");
    EXPECT_EQ(Rows(), (Strings{"Genre|Is|pop", "Genre|Contains|pop"}));
    ClickRow(0);
    ClickRow(1, Qt::ShiftModifier);
    dialog.AddCriteria();
    EXPECT_EQ(Controls(), "||");
    EXPECT_EQ(Rows()[0], "||");
    EXPECT_EQ(dialog.Criteria[0].GetField(), 255);
    EXPECT_EQ(dialog.Criteria[0].GetOperator(), 255);
}

TEST_F(AutoListDialog, ReopeningKeepsCriteriaTicksAndChoiceButResetsTheRest)
{
    Add(2, 4, "best");
    Add(5, 5, ".mp3");
    ClickRow(1);
    QTest::keyClick(dialog.CriteriaList->Widget(), Qt::Key_Space);
    dialog.LogicCheckCombo->SetItemIndex(1);
    dialog.PlayListName->SetText("Old");
    dialog.Hide();
    dialog.Show();
    EXPECT_EQ(Rows(), (Strings{"File Name|Ends With|.mp3", "Album|Starts With|best (off)"}));
    EXPECT_EQ(dialog.CriteriaList->SelCount(), 0);
    EXPECT_EQ(Controls(), "Title|Contains|");
    EXPECT_EQ(dialog.PlayListName->Text() + " in " + dialog.SearchingIn->Caption(), "My Playlist in Music");
    EXPECT_EQ(dialog.LogicCheckCombo->Text(), "All");
    const QAbstractItemModel& columns = *static_cast<QTableView*>(dialog.CriteriaList->Widget())->model();
    Strings captions{dialog.NameLabel->Caption()};
    for (int column = 0; column < columns.columnCount(); ++column)
        captions.push_back(columns.headerData(column, Qt::Horizontal).toString().toStdString());
    EXPECT_EQ(captions, (Strings{"Play List Name:", "", "Category", "Logic", "What you are searching for"}));
}

} // namespace
