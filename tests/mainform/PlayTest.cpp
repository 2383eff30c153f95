#include "tests/mainform/AppFormFixture.h"

#include "platform/Separator.h"
#include "tests/support/QtTesting.h"

#include <QWidget>

#include <functional>

namespace {

const std::string Sep{Platform::Separator};

using Play = ListFormFixture;

const VT::PlayList Three = ListOf("Three", {Titled("A"), Titled("B"), Titled("C")});

// What Play writes, byte for byte, for what is shown and selected; the shell gets the file.
// The beginner help's picture plays without looking at the enabled state.
TEST_F(Play, WritesTheSelectedRowsInRowOrderElseTheWholeStoredList)
{
    Testing::RecordShellOpens();
    const auto line = [](const char* title) { return "/music" + Sep + title + ".mp3\r\n"; };
    struct Case { std::function<void()> show; TControl* clicked; std::string written; std::size_t opens; };
    const Case cases[] = {
        {[&] { Form().ShowNoSelection(); }, Form().Image4, "old", 0},
        // A search narrows the view, not what plays.
        {[&] { ShowPlayList(Three); Type(*Form().TitleEdit, "B"); }, Form().Play, line("A") + line("B") + line("C"), 1},
        {[&] { ShowSource(Three); ClickSongRow(2); Form().mp3ListView->SetSelected(0, true); }, Form().Play,
         line("A") + line("C"), 2},
        {[&] { ShowPlayList(SongList("Empty", 0)); }, Form().Image4, "", 3},
    };
    for (const Case& c : cases) {
        Folder().Write("currentlist.m3u", "old");
        c.show();
        Click(*c.clicked);
        EXPECT_EQ(Folder().Read("currentlist.m3u"), c.written);
        EXPECT_EQ(Testing::ShellOpens(), Strings(c.opens, Folder() / "currentlist.m3u"));
    }
}

// A double click anywhere in the view opens the song of the last mouse-up over a row.
TEST_F(Play, ADoubleClickOpensTheSongOfTheLastMouseUpOverARow)
{
    Testing::RecordShellOpens();
    ShowSource(Three);
    QWidget& view = *Form().mp3ListView->ClientWidget();
    const QPoint belowTheRows(40, view.height() - 5);
    TestSupport::DoubleClick(&view, belowTheRows);
    EXPECT_EQ(Testing::ShellOpens(), Strings{});
    ClickSongRow(1);
    TestSupport::DoubleClick(&view, belowTheRows);
    EXPECT_EQ(Testing::ShellOpens(), Strings{"/music" + Sep + "B.mp3"});
}

} // namespace
