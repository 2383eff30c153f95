#include "tests/mainform/AppFormFixture.h"

#include <QTest>

namespace {

using Clipboard = ListFormFixture;

TEST_F(Clipboard, CopyWithoutASelectionTakesTheWholeListAlsoUnderASearch)
{
    ShowSource(SongList("Music", 3));
    Type(*Form().TitleEdit, "music 2");
    ASSERT_EQ(Column(1), Strings{"Music 2"});
    Form().CopyActionExecute();
    EXPECT_EQ(Titles(Form().Clipboard), (Strings{"Music 1", "Music 2", "Music 3"}));
    EXPECT_EQ(Form().Clipboard.GetName(), "Music");
}

TEST_F(Clipboard, PasteGoesBeforeTheFirstSelectedRowOrAtTheEnd)
{
    Form().Clipboard = SongList("New", 2);
    const VT::ListPtr mix = ShowPlayList(SongList("Mix", 3));
    ClickSongRow(2);
    Form().mp3ListView->SetSelected(1, true);
    Form().PasteActionExecute();
    EXPECT_EQ(Titles(*mix), (Strings{"Mix 1", "New 1", "New 2", "Mix 2", "Mix 3"}));
    Form().mp3ListView->ClearSelection();
    Form().PasteActionExecute();
    EXPECT_EQ(Titles(*mix), (Strings{"Mix 1", "New 1", "New 2", "Mix 2", "Mix 3", "New 1", "New 2"}));
}

// The list holds the same song twice; the row selected is the second one, whether the
// view shows the whole list or a search leaves only the two.
TEST_F(Clipboard, DeleteAndCutRemoveExactlyTheEntriesOfTheSelectedRows)
{
    struct Case { const char* search; int row; bool cut; };
    for (const Case& c : {Case{"", 2, false}, Case{"t", 1, true}}) {
        const VT::ListPtr twins = ShowPlayList(ListOf("Twins " + std::string(c.search),
                                                      {Titled("t"), Titled("x"), Titled("t"), Titled("y")}));
        Type(*Form().TitleEdit, c.search);
        ClickSongRow(c.row);
        if (c.cut)
            Form().Cut1Click();
        else
            QTest::keyClick(Form().mp3ListView->Widget(), Qt::Key_Delete);
        EXPECT_EQ(Titles(*twins), (Strings{"t", "x", "y"})) << c.search;
        EXPECT_EQ(Titles(Form().Clipboard), c.cut ? Strings{"t"} : Strings{}) << c.search;
    }
}

} // namespace
