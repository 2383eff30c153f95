// Mouse events go through the window, as the desktop delivers them, so that Qt asks for the
// context menu on the press as it does on this desktop.
#define QTEST_QPA_MOUSE_HANDLING

#include "tests/mainform/AppFormFixture.h"

#include "framework/Mouse.h"
#include "framework/Testing.h"

#include <QCursor>
#include <QMenu>
#include <QTest>

#include <functional>

namespace {

using Commands = ListFormFixture;

// The captions of the commands that can run now, in the action list's order.
Strings EnabledCommands(TAppForm& form)
{
    Testing::ProcessIdle();
    Strings enabled;
    for (const TAction* action : form.Actions->Items()) {
        if (action->Enabled())
            enabled.push_back(action->Caption());
    }
    return enabled;
}

// What runs whatever is shown, the tool box showing the beginner help.
Strings AlwaysEnabledAnd(Strings more)
{
    Strings enabled{"&Find Your Music", "&Add", "&Import", "&Undo", "&Redo", "&Cancel Search ", "&Search Within Text",
                    "&Show Search Box", "Show &Beginner Help", "&Hide All", "&Help", "&FAQ", "Users &Manual", "&About"};
    enabled.insert(enabled.end(), more.begin(), more.end());
    return enabled;
}

TEST_F(Commands, AreEnabledByWhatIsShownAndSelected)
{
    struct Case { const char* state; std::function<void()> setUp; Strings enabledBeyondAlways; };
    const std::vector<Case> cases{
        {"nothing shown", [] {}, {}},
        {"an empty play list", [this] { ShowPlayList(SongList("Empty", 0)); },
         {"&Rename", "&Delete", "&Add To", "Auto List", "Select &All"}},
        {"a play list with songs, one selected, the clipboard full",
         [this] {
             Form().Clipboard = SongList("Copied", 1);
             ShowPlayList(SongList("Rock", 2));
             ClickSongRow(1);
         },
         {"&Rename", "&Delete", "&Export", "&Create Folder", "&Play", "&Add To", "Add &To New Play List", "&Cut",
          "C&opy", "&Paste", "Delete &Selection", "Select &All", "Auto List"}},
        {"a source with songs, none selected", [this] { ShowSource(SongList("Music", 2)); },
         {"Close &Folder", "&Play", "&Add To", "C&opy", "Select &All", "Auto List"}},
    };
    for (const Case& c : cases) {
        c.setUp();
        Strings expected = AlwaysEnabledAnd(c.enabledBeyondAlways);
        Strings enabled = EnabledCommands(Form());
        std::sort(expected.begin(), expected.end());
        std::sort(enabled.begin(), enabled.end());
        EXPECT_EQ(enabled, expected) << c.state;
    }
}

TEST_F(Commands, AddToLastNamesTheListThatLastReceivedSongsWhileSongsAreSelected)
{
    AddPlayList(SongList("Rock", 0));
    ShowSource(SongList("Music", 3));
    ClickSongRow(0);
    Testing::ProcessIdle();
    EXPECT_EQ(Form().AddToLastAction->Caption(), "Add to ...  ");
    EXPECT_FALSE(Form().AddToLastAction->Enabled());

    Form().AddSelectedToPlayList(0);
    ClickSongRow(2);
    Testing::ProcessIdle();
    QTest::keyClick(Form().mp3ListView->Widget(), Qt::Key_F5);
    EXPECT_EQ(Form().AddToLastAction->Caption(), "Add to \"Rock\"  ");
    EXPECT_EQ(Form().PlayListInfos[0].Handle->songs.size(), 2u);

    Form().mp3ListView->ClearSelection();
    Testing::ProcessIdle();
    EXPECT_EQ(Form().AddToLastAction->Caption(), "Add to ...  ");
}

// The captions of a menu's items as it shows them.
Strings ItemTexts(const QWidget& menu)
{
    Strings texts;
    for (const QAction* action : menu.actions())
        texts.push_back(action->text().toStdString());
    return texts;
}

TEST_F(Commands, TheSongPopupOffersEveryPlayListInThePanesOrder)
{
    AddPlayList(SongList("b & c", 2));
    AddPlayList(SongList("A", 0));
    ShowSource(SongList("Music", 3));
    QMenu& popup = *Form().Mp3PopupMenu->Menu();
    const auto rightClick = [this](int row) {
        QTest::mouseClick(Form().mp3ListView->ClientWidget(), Qt::RightButton, {}, SongRowPoint(row));
    };
    const auto addTo = [this] {
        const QMenu* items = Form().AddToPlaylist1->QtAction()->menu();
        return items ? ItemTexts(*items) : Strings{};
    };

    rightClick(5);
    ASSERT_TRUE(TestSupport::WaitUntil([&] { return popup.isVisible(); }));
    EXPECT_FALSE(Form().AddToPlaylist1->Enabled());
    EXPECT_TRUE(addTo().empty());
    popup.hide();

    rightClick(1);
    ASSERT_TRUE(TestSupport::WaitUntil([&] { return popup.isVisible(); }));
    EXPECT_EQ(addTo(), (Strings{"A (0)", "b && c (2)"}));
    Form().AddToPlaylist1->QtAction()->menu()->actions()[1]->trigger();
    EXPECT_EQ(Titles(*Form().PlayListInfos[1].Handle), (Strings{"b & c 1", "b & c 2", "Music 2"}));
    Form().mp3ListView->SetSelected(0, true);
    Form().AddToLastActionUpdate();
    EXPECT_EQ(Form().AddToLastAction->Caption(), "Add to \"b && c\"  ");
}

TEST_F(Commands, TheAddButtonPopsUpThePlayListsLeftOfThePointer)
{
    AddPlayList(SongList("Rock", 0));
    ShowSource(SongList("Music", 3));
    QMenu& menu = *Form().AddSongToMenu->Menu();
    Click(*Form().AddSongButton);
    EXPECT_FALSE(menu.isVisible());

    ClickSongRow(0);
    QCursor::setPos(300, 200);
    Click(*Form().AddSongButton);
    ASSERT_TRUE(TestSupport::WaitUntil([&] { return menu.isVisible(); }));
    EXPECT_EQ(ItemTexts(menu), Strings{"Rock (0)"});
    EXPECT_EQ(menu.pos().x(), MouseCursorPos().X - 40);
}

// The title box keeps its editing keys from the window's commands: Ctrl+Del, Close Folder's
// key, deletes a word there.
TEST_F(Commands, CtrlDelInTheTitleBoxDeletesAWordAndClosesNoFolder)
{
    ShowSource(SongList("Music", 2));
    Click(*Form().TitleEdit);
    Type(*Form().TitleEdit, "ab cd");
    QTest::keyClick(Form().TitleEdit->Widget(), Qt::Key_Home);
    Testing::ProcessIdle();
    QTest::keyClick(Form().TitleEdit->Widget(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Form().TitleEdit->Text(), "cd");
    EXPECT_EQ(Rows(*Form().SourceListBox), Strings{"Music (2)"});
}

// Delete in the pane is only the pane's: the shown list keeps its selected song.
TEST_F(Commands, DeleteInAPaneDeletesTheHighlightedListAndNoSongOfTheShownOne)
{
    const VT::ListPtr a = ShowPlayList(SongList("A", 2));
    AddPlayList(SongList("B", 2));
    ClickSongRow(0);
    Form().PlaylistListBox->SetFocus();
    QTest::keyClick(Form().PlaylistListBox->Widget(), Qt::Key_Down);
    Testing::ProcessIdle();
    QTest::keyClick(Form().PlaylistListBox->Widget(), Qt::Key_Delete);
    EXPECT_EQ(Rows(*Form().PlaylistListBox), Strings{"A (2)"});
    EXPECT_EQ(Titles(*a), (Strings{"A 1", "A 2"}));
}

} // namespace
