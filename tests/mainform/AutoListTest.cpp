#include "dialogs/autotunelodlg.h"
#include "dialogs/messagebox.h"
#include "tests/mainform/AppFormFixture.h"

#include <QTest>
#include <QTimer>

namespace {

// A source of three songs shown, beside a play list of the name the dialog offers.
class AutoList : public ListFormFixture {
protected:
    void SetUp() override
    {
        ListFormFixture::SetUp();
        Application->CreateForm(AutoTuneloDialog);
        Application->CreateForm(MessageDialog);
        AddPlayList(ListOf("My Playlist", {}));
        ShowSource(SongList("Rock", 3));
    }

    // Runs the command; while the dialog shows, a criterion Title Contains `text` is made
    // and the button pressed.
    void RunAutoList(const std::string& text, TSpeedButton* TAutoTuneloDialog::*button)
    {
        QTimer::singleShot(0, [&] {
            QTest::keyClicks(AutoTuneloDialog->Text->Widget(), QString::fromStdString(text));
            AutoTuneloDialog->AddCriteria();
            Click(*(AutoTuneloDialog->*button));
        });
        Form().AutoListActionExecute();
    }
};

TEST_F(AutoList, OkAddsTheSongsFoundAsANewUniquelyNamedListShownAndUndoable)
{
    RunAutoList("rock 2", &TAutoTuneloDialog::Ok);
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (Strings{"My Playlist (0)", "My Playlist 2 (1)"}));
    EXPECT_EQ(Form().Model.GetSelected()->GetName(), "My Playlist 2");
    EXPECT_EQ(Column(1), Strings{"Rock 2"});
    Form().Undo();
    EXPECT_EQ(Rows(*Form().PlaylistListBox), Strings{"My Playlist (0)"});
}

TEST_F(AutoList, CancelAndNothingShownAddNothing)
{
    RunAutoList("rock", &TAutoTuneloDialog::Cancel);
    int opened = 0;
    Testing::SetModalHook([&opened](TForm&) { return ++opened, mrOk; });
    Form().ShowNoSelection();
    Form().AutoListActionExecute();
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(Rows(*Form().PlaylistListBox), Strings{"My Playlist (0)"});
}

} // namespace
