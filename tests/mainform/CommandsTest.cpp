#include "tests/mainform/AppFormFixture.h"

#include "framework/Mouse.h"
#include "framework/Testing.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <functional>

namespace {

class Commands : public ListFormFixture {
protected:
    // The desktop follows a right press with a request for the context menu.
    void RightClickSongRow(int row)
    {
        ClickSongRow(row, true);
        QWidget* view = Form().mp3ListView->ClientWidget();
        const QPoint at = SongRowPoint(row);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, view->mapToGlobal(at));
        QApplication::sendEvent(view, &request);
    }
};

// The captions of the commands that can run now, in the action list's order.
Strings EnabledCommands(TAppForm& form)
{
    Testing::ProcessIdle();
    Strings enabled;
    for (TAction* action :
         {form.FindAction, form.CloseFolderAction, form.CreatePlaylistAction, form.RenameAction,
          form.DeletePlaylistAction, form.ImportAction, form.ExportAction, form.PlayAction, form.AddToAction,
          form.UndoAction, form.RedoAction, form.AddToLastAction, form.AddToNewPlaylistAction, form.CutAction,
          form.CopyAction, form.PasteAction, form.DeleteSelectionAction, form.SelectAllAction, form.CancelSearchAction,
          form.SearchWithinTextAction, form.ShowSearchBoxAction, form.ShowQuickHelpAction, form.HideAllAction,
          form.HelpAction, form.FAQAction, form.UsersManualAction, form.AboutAction}) {
        if (action->Enabled())
            enabled.push_back(action->Caption());
    }
    return enabled;
}

// What runs whatever is shown, the tool box showing the beginner help.
Strings AlwaysEnabledAnd(Strings more)
{
    Strings enabled{"&Find Your Music", "&Add",           "&Import",
                    "&Undo",            "&Redo",          "&Cancel Search ",
                    "&Search Within Text", "&Show Search Box", "Show &Beginner Help",
                    "&Hide All",        "&Help",          "&FAQ",
                    "Users &Manual",    "&About"};
    enabled.insert(enabled.end(), more.begin(), more.end());
    return enabled;
}

TEST_F(Commands, AreEnabledByWhatIsShownAndSelected)
{
    struct Case {
        const char* state;
        std::function<void()> setUp;
        Strings enabledBeyondAlways;
    };
    const std::vector<Case> cases{
        {"nothing shown", [] {}, {}},
        {"an empty play list", [this] { ShowPlayList(SongList("Empty", 0)); },
         {"&Rename", "&Delete", "&Add To", "Select &All"}},
        {"a play list with songs, one selected, the clipboard full",
         [this] {
             Form().Clipboard = SongList("Copied", 1);
             ShowPlayList(SongList("Rock", 2));
             ClickSongRow(1);
         },
         {"&Rename", "&Delete", "&Export", "&Play", "&Add To", "Add &To New Play List", "&Cut", "C&opy", "&Paste",
          "Delete &Selection", "Select &All"}},
        {"a source with songs, none selected", [this] { ShowSource(SongList("Music", 2)); },
         {"Close &Folder", "&Play", "&Add To", "C&opy", "Select &All"}},
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
    const auto addTo = [this] {
        const QMenu* items = Form().AddToPlaylist1->QtAction()->menu();
        return items ? ItemTexts(*items) : Strings{};
    };

    RightClickSongRow(5);
    ASSERT_TRUE(TestSupport::WaitUntil([&] { return popup.isVisible(); }));
    EXPECT_FALSE(Form().AddToPlaylist1->Enabled());
    EXPECT_TRUE(addTo().empty());
    popup.hide();

    ClickSongRow(1);
    RightClickSongRow(1);
    ASSERT_TRUE(TestSupport::WaitUntil([&] { return popup.isVisible(); }));
    EXPECT_EQ(addTo(), (Strings{"A (0)", "b && c (2)"}));
    Form().AddToPlaylist1->QtAction()->menu()->actions()[1]->trigger();
    EXPECT_EQ(Titles(*Form().PlayListInfos[1].Handle), (Strings{"b & c 1", "b & c 2", "Music 2"}));
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
    menu.hide();
}

TEST_F(Commands, AMainMenuShowsTheCurrentCaptionsAndStates)
{
    ShowPlayList(SongList("Rock", 2));
    QMenu* edit = nullptr;
    for (QAction* item : Form().MainMenu->Bar()->actions()) {
        if (item->text() == "&Edit")
            edit = item->menu();
    }
    ASSERT_NE(edit, nullptr);
    Testing::ProcessIdle();
    edit->popup(QPoint(0, 0));
    ASSERT_TRUE(TestSupport::WaitUntil([&] { return edit->isVisible(); }));
    const QList<QAction*> items = edit->actions();
    EXPECT_EQ(ItemTexts(*edit), (Strings{"&Undo", "&Redo", "-", "Add to ...  ", "Add &To New Play List", "-", "&Cut",
                                         "C&opy", "&Paste", "Delete &Selection", "Select &All"}));
    EXPECT_TRUE(items[7]->isEnabled());
    EXPECT_FALSE(items[6]->isEnabled());
    edit->hide();
}

} // namespace

namespace {

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

TEST_F(Commands, KeysThatAFocusedSearchBoxEditsWithNeverReachTheCommands)
{
    const VT::ListPtr source = AddSource(SongList("Music", 2));
    const VT::ListPtr rock = ShowPlayList(SongList("Rock", 3));
    Form().Model.AddSongs({Titled("Undone")}, rock);
    Form().Clipboard = SongList("Copied", 1);
    Click(*Form().TitleEdit);
    Type(*Form().TitleEdit, "rock");
    const std::vector<Key> keys{{Qt::Key_Z, Qt::ControlModifier},     {Qt::Key_V, Qt::ControlModifier},
                                {Qt::Key_C, Qt::ControlModifier},     {Qt::Key_A, Qt::ControlModifier},
                                {Qt::Key_X, Qt::ControlModifier},     {Qt::Key_Delete, Qt::ShiftModifier},
                                {Qt::Key_Delete, Qt::ControlModifier}, {Qt::Key_Delete, Qt::NoModifier}};
    for (const Key& key : keys) {
        Testing::ProcessIdle();
        QTest::keyClick(Form().TitleEdit->Widget(), key.key, key.modifiers);
        EXPECT_EQ(rock->songs.size(), 4u) << key.key;
        EXPECT_EQ(Rows(*Form().PlaylistListBox), Strings{"Rock (4)"}) << key.key;
        EXPECT_EQ(Titles(Form().Clipboard), Strings{"Copied 1"}) << key.key;
        EXPECT_EQ(Form().mp3ListView->SelCount(), 0) << key.key;
    }

    ClickRow(*Form().SourceListBox, 0);
    Click(*Form().TitleEdit);
    Type(*Form().TitleEdit, "ab cd");
    QTest::keyClick(Form().TitleEdit->Widget(), Qt::Key_Home);
    Testing::ProcessIdle();
    QTest::keyClick(Form().TitleEdit->Widget(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Form().TitleEdit->Text(), "cd");
    EXPECT_EQ(Rows(*Form().SourceListBox), Strings{"Music (2)"});
    EXPECT_TRUE(Form().SourceInfos[0].Handle == source);
}

TEST_F(Commands, DeleteRemovesOnceWhereTheFocusIs)
{
    const VT::ListPtr a = ShowPlayList(SongList("A", 3));
    AddPlayList(SongList("B", 2));
    ClickSongRow(0);
    Testing::ProcessIdle();
    QTest::keyClick(Form().mp3ListView->Widget(), Qt::Key_Delete);
    EXPECT_EQ(Titles(*a), (Strings{"A 2", "A 3"}));

    ClickSongRow(0);
    Form().PlaylistListBox->SetFocus();
    QTest::keyClick(Form().PlaylistListBox->Widget(), Qt::Key_Down);
    Testing::ProcessIdle();
    QTest::keyClick(Form().PlaylistListBox->Widget(), Qt::Key_Delete);
    EXPECT_EQ(Rows(*Form().PlaylistListBox), Strings{"A (2)"});
    EXPECT_EQ(Titles(*a), (Strings{"A 2", "A 3"}));
}

} // namespace
