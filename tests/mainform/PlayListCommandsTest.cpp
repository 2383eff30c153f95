#include "tests/mainform/AppFormFixture.h"

#include "mainform/StatusLine.h"

#include <QApplication>
#include <QTest>

namespace {

// A source of three songs shown, its first song selected, and the play lists A and B.
class PlayListCommands : public ListFormFixture {
protected:
    void SetUp() override
    {
        ListFormFixture::SetUp();
        QApplication::setActiveWindow(Form().Widget());
        ShowSource(SongList("Music", 3));
        AddPlayList(SongList("A", 0));
        AddPlayList(SongList("B", 0));
        ClickSongRow(0);
    }

    // An undo hands the handles out again by position, so lists are found by name.
    const VT::PlayList& List(const std::string& name) { return *Form().PlayListInfos[Form().FindPlayListInfo(name)].Handle; }
    void AddTo(const std::string& name) { Form().AddSelectedToPlayList(Form().FindPlayListInfo(name)); }
};

TEST_F(PlayListCommands, AddingAppendsTheRowsInOrderAndFlashesTheRowOnceLeavingNoRowSelected)
{
    Form().mp3ListView->SetSelected(2, true);
    AddTo("B");
    EXPECT_EQ(Titles(List("B")), (Strings{"Music 1", "Music 3"}));
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (Strings{"A (0)", "B (2)"}));
    for (const int highlighted : {1, -1}) {
        Testing::FireTimer(*Form().DragSelect);
        EXPECT_EQ(Form().PlaylistListBox->ItemIndex(), highlighted);
    }
    EXPECT_FALSE(Form().DragSelect->Enabled());
    // A shown source stays where the user scrolled it, once the view has laid itself out.
    ShowSource(SongList("Long", 60));
    Form().mp3ListView->Scroll(0, 400);
    QApplication::processEvents();
    const int top = Form().mp3ListView->TopItem();
    Form().mp3ListView->SetSelected(top + 1, true);
    AddTo("A");
    QApplication::processEvents();
    EXPECT_GT(top, 0);
    EXPECT_EQ(Form().mp3ListView->TopItem(), top);
}

// The shown list is found by its handle, whatever row the flash highlights or where a
// re-sort moved it; its file moves to the new name at once, unless the name stays.
TEST_F(PlayListCommands, RenameRenamesTheShownListWhateverRowIsHighlighted)
{
    VT::PlayList withFile = SongList("F", 0);
    withFile.SetFile(Folder() / "F.vtl");
    WriteList(withFile, ".vtl");
    ShowPlayList(withFile);
    Form().CreatePlayList("0");
    AddTo("B");
    Testing::FireTimer(*Form().DragSelect);
    Form().RenamePlayList("F");
    EXPECT_TRUE(Folder().Exists("F.vtl"));
    Form().RenamePlayList("Z");
    EXPECT_EQ(Folder().Entries(), (Strings{"Z.vtl"}));
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (Strings{"0 (0)", "A (0)", "B (0)", "Z (0)"}));
    EXPECT_EQ(Form().PlaylistListBox->ItemIndex(), 3);
    // An undo brings the list back at once, under the name of the state it returns to.
    Form().DeletePlayList(3);
    EXPECT_TRUE(Folder().Entries().empty());
    Form().Undo();
    EXPECT_EQ(Folder().Entries(), (Strings{"F.vtl"}));
    Form().Redo();
    EXPECT_TRUE(Folder().Entries().empty());
}

// Delete takes the row the user highlighted, by a click or a key, else the shown list's.
TEST_F(PlayListCommands, DeleteTakesTheRowTheUserHighlightedNeverTheFlashedOne)
{
    struct Case { bool flash; Strings left; };
    for (const Case& c : {Case{true, {"B"}}, Case{false, {"A"}}}) {
        ClickRow(*Form().PlaylistListBox, 0);
        if (c.flash) {
            AddTo("B");
            Testing::FireTimer(*Form().DragSelect);
        } else {
            QTest::keyClick(Form().PlaylistListBox->Widget(), Qt::Key_Down);
        }
        Form().DeletePlaylistActionExecute();
        EXPECT_EQ(SongSamples::Names(Form().Model.GetPlayLists()), c.left);
        EXPECT_EQ(Status(), NothingShownText);
        Form().Undo();
    }
}

// The list added to keeps its name in the caption only while its place still holds it.
TEST_F(PlayListCommands, AddToLastFollowsItsListThroughDeleteUndoAndRedo)
{
    AddTo("B");
    Form().DeletePlayList(Form().FindPlayListInfo("A"));
    Form().Undo();
    EXPECT_EQ(Form().ViewVars.LastAddToName, "");
    ClickSongRow(1);
    Form().AddToLastActionExecute();
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (Strings{"A (0)", "B (1)"}));
    AddTo("B");
    Form().CreatePlayList("C");
    Form().Undo();
    ClickSongRow(2);
    Form().AddToLastActionExecute();
    EXPECT_EQ(Titles(List("B")), (Strings{"Music 1", "Music 2", "Music 3"}));
}

// Each step of create, add and delete goes back and forth; once the shown list is undone
// away the window is grey.
TEST_F(PlayListCommands, UndoAndRedoRebuildThePaneAndGreyTheWindowWhenTheShownListWent)
{
    const std::vector<Strings> states{{"A (0)", "B (0)"},
                                      {"A (0)", "B (0)", "New (0)"},
                                      {"A (0)", "B (0)", "New (1)"},
                                      {"A (0)", "New (1)"}};
    Form().CreatePlayList("New");
    AddTo("New");
    Form().DeletePlayList(Form().FindPlayListInfo("B"));
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        Form().Undo();
        EXPECT_EQ(Rows(*Form().PlaylistListBox), states[i]) << i;
    }
    for (std::size_t i = 1; i < states.size(); ++i) {
        Form().Redo();
        EXPECT_EQ(Rows(*Form().PlaylistListBox), states[i]) << i;
    }
    Form().Undo();
    ClickRow(*Form().PlaylistListBox, 2);
    Form().Undo();
    EXPECT_EQ(Status(), "   Viewing Play List \"New\" (0 songs)");
    Form().Undo();
    EXPECT_EQ(Status(), NothingShownText);
    EXPECT_EQ(Form().mp3ListView->Items().Count(), 0);
    // A redo that leaves every name as it was forgets the lists' searches all the same.
    Form().Redo();
    ClickRow(*Form().PlaylistListBox, 0);
    const std::string unsearched = Form().TitleEdit->Text();
    Type(*Form().TitleEdit, "x");
    ClickRow(*Form().PlaylistListBox, 1);
    Form().Redo();
    ClickRow(*Form().PlaylistListBox, 0);
    EXPECT_EQ(Form().TitleEdit->Text(), unsearched);
}

} // namespace
