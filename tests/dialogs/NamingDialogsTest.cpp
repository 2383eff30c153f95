#include "dialogs/Unit4.h"
#include "dialogs/namelistform.h"
#include "mainform/Unit1.h"
#include "tests/support/ApplicationFixture.h"
#include "tests/support/SongSamples.h"

#include <QTest>

namespace {

using namespace SongSamples;

// The main window, not shown, with a source of two songs shown and its first selected.
class NamingDialogs : public ApplicationFixture {
protected:
    NamingDialogs()
    {
        Application->CreateForm(AppForm);
        Application->CreateForm(NameListForm);
        Application->CreateForm(RenameListForm);
        AppForm->LoadSources(std::vector{ListOf("Music", {Titled("a"), Titled("b")})});
        AppForm->SelectSource(0);
    }

    // Each play list's name and song count, in the order they were made.
    static Strings PlayLists()
    {
        return TextsOf(AppForm->Model.GetPlayLists(),
                       [](const VT::ListPtr& list) { return AppForm->ListEntryText(list); });
    }
};

// Enter and OK both name the list; a taken name is made unique, and the selection goes
// into the new list wherever it sorts.
TEST_F(NamingDialogs, TheNewListGetsAUniqueNameAndTheSelection)
{
    AppForm->CreatePlayList("My Playlist");
    for (const bool enter : {true, false}) {
        AppForm->mp3ListView->SetSelected(0, true);
        AppForm->AddToNewPlaylistActionExecute();
        EXPECT_FALSE(AppForm->Enabled());
        EXPECT_EQ(NameListForm->PlayListName->Text(), "My Playlist");
        if (enter)
            QTest::keyClick(NameListForm->PlayListName->Widget(), Qt::Key_Return);
        else
            QTest::mouseClick(NameListForm->Ok->Widget(), Qt::LeftButton);
        EXPECT_TRUE(AppForm->Enabled());
        EXPECT_FALSE(NameListForm->Visible());
    }
    AppForm->mp3ListView->SetSelected(1, true);
    AppForm->ShowNewPlayListDialog(true);
    QTest::keyClicks(NameListForm->PlayListName->Widget(), "A");
    NameListForm->OkClick();
    EXPECT_EQ(PlayLists(), (Strings{"My Playlist (0)", "My Playlist 2 (1)", "My Playlist 3 (1)", "A (1)"}));
    EXPECT_EQ(AppForm->PlaylistListBox->Items()[0], "A (1)");
}

// Each dialog shows its title; Cancel and the close box leave the lists as they were and give the main window back.
TEST_F(NamingDialogs, CancelAndTheCloseBoxChangeNothing)
{
    AppForm->CreatePlayList("Rock");
    AppForm->SelectPlayList(0);
    for (const auto& [form, title] : {std::pair<TPlayListNameForm*, std::string>{NameListForm, "Add Play List"},
                                      {RenameListForm, "Rename Play List"}}) {
        for (const bool closeBox : {false, true}) {
            form == NameListForm ? AppForm->AddListButtonClick() : AppForm->RenameActionExecute();
            EXPECT_EQ(form->Caption(), title);
            QTest::keyClicks(form->PlayListName->Widget(), "x");
            if (closeBox)
                form->Widget()->close();
            else
                QTest::mouseClick(form->Cancel->Widget(), Qt::LeftButton);
            EXPECT_TRUE(AppForm->Enabled());
            EXPECT_FALSE(form->Visible());
        }
    }
    AppForm->RenameActionExecute();
    RenameListForm->OkClick();
    EXPECT_FALSE(RenameListForm->Visible());
    EXPECT_EQ(PlayLists(), Strings{"Rock (0)"});
}

} // namespace
