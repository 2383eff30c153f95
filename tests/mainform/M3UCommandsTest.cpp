#include "tests/mainform/AppFormFixture.h"

#include "dialogs/messagebox.h"
#include "dialogs/opendialog.h"
#include "dialogs/qeastiondlg.h"
#include "platform/Separator.h"

#include <QApplication>

#include <optional>

namespace {

const std::string WhereSought =
    " in the list of folders under \"Your Music\", or the directory containing the M3U play list file. Please add "
    "the appropriate MP3 folders to \"Your Music\" using the \"Find\" button.";
const std::string NoneFound = "No songs specified in the M3U play list were found" + WhereSought
                              + " Vesk Tunelo must find at least one MP3 song specified in the M3U play list before "
                                "a play list can be imported.";

// The file dialog is shown and what it offers recorded; `chosen` in the music folder is
// clicked where the file list shows it, else typed, then OK; Cancel when `chosen` is empty.
// The message dialog is recorded and answered with OK, as is the question to overwrite.
class M3UCommands : public ListFormFixture {
protected:
    void SetUp() override
    {
        ListFormFixture::SetUp();
        Application->CreateForm(MessageDialog);
        Application->CreateForm(QuestionDialog);
        Application->CreateForm(OpenDlg);
        Testing::SetModalHook([this](TForm& form) {
            if (&form == MessageDialog)
                told.push_back(MessageDialog->CaptionText->Caption());
            return &form == OpenDlg ? AnswerFileDialog() : mrOk;
        });
        for (const char* song : {"1", "2", "3", "4", "5", "6", "7"})
            music.Write(song + std::string(".mp3"), SongSamples::Tagged(std::string("Song ") + song));
    }

    int AnswerFileDialog()
    {
        TOpenDlg& dialog = *OpenDlg;
        dialog.Show();
        dialog.DirectoryListBox->SetDirectory(music.PathWithoutSeparator());
        QApplication::setActiveWindow(dialog.Widget());
        offered.push_back(dialog.Caption() + ": " + dialog.FileEdit->Text() + " "
                          + std::to_string(dialog.FullPath->Visible()));
        if (const int row = dialog.FileListBox->Items().IndexOf(chosen); row >= 0)
            ClickRow(*dialog.FileListBox, row);
        else
            dialog.FileEdit->SetText(chosen);
        dialog.FullPath->SetChecked(fullPath);
        Click(chosen.empty() ? *dialog.Cancel : *dialog.Ok);
        dialog.Hide();
        return dialog.ModalResult();
    }

    TestSupport::TempFolder music;
    std::string chosen;
    bool fullPath = true;
    Strings offered;
    Strings told;
};

// Each file gives its list, shown after the count of songs not found, or its message alone.
TEST_F(M3UCommands, ImportShowsTheNewListAfterTellingHowManySongsWereNotFound)
{
    struct Case { std::string file; std::optional<std::string> bytes; Strings told; std::string shown; };
    const Case cases[] = {
        {"Ten.m3u", "1.mp3\n2.mp3\n3.mp3\nx.mp3\n4.mp3\n5.mp3\ny.mp3\n6.mp3\nz.mp3\n7.mp3\n",
         {"There are 3 songs specified in the M3U play list were not found" + WhereSought}, "Ten"},
        {"Ghosts.m3u", "x.mp3\r\n", {NoneFound}, "Ten"},
        {"Missing.m3u", std::nullopt, {"Error Importing Missing.m3u. The file may be corrupt or may not be a M3U file"}, "Ten"},
        {"", std::nullopt, {}, "Ten"},
        // A list name of any bytes.
        {"\xe9\x01.m3u", "2.mp3\r\nw.mp3\r\n", {"There are 1 songs specified in the M3U play list were not found" + WhereSought},
         "\xe9\x01"},
        // Songs are sought beside the file also when its name was typed with a folder.
        {"Sub/Eight.m3u", "8.mp3\r\n", {}, "Eight"},
    };
    music.MakeFolder("Sub");
    music.Write("Sub/8.mp3", SongSamples::Tagged("Song 8"));
    for (const Case& c : cases) {
        if (c.bytes)
            music.Write(c.file, *c.bytes);
        chosen = c.file;
        told.clear();
        Form().ImportActionExecute();
        EXPECT_EQ(told, c.told) << c.file;
        EXPECT_EQ(Form().Model.GetSelected()->GetName(), c.shown) << c.file;
    }
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (Strings{"Eight (1)", "Ten (7)", "\xe9\x01 (1)"}));
    EXPECT_EQ(offered, Strings(std::size(cases), "Import Play List: *.m3u 0"));
}

// The free name is given inside the import's undo step: no undo or redo brings back two
// lists of one name.
TEST_F(M3UCommands, AnImportedListTakesAFreeNameInItsUndoStep)
{
    AddPlayList(SongList("Mix", 1));
    music.Write("Mix.m3u", "1.mp3\r\n2.mp3\r\n");
    chosen = "Mix.m3u";
    Form().ImportActionExecute();
    Form().ImportActionExecute();
    const Strings all{"Mix (1)", "Mix 2 (2)", "Mix 3 (2)"};
    EXPECT_EQ(Rows(*Form().PlaylistListBox), all);
    Form().Undo();
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (Strings{"Mix (1)", "Mix 2 (2)"}));
    Form().Undo();
    Form().Redo();
    Form().Redo();
    EXPECT_EQ(Rows(*Form().PlaylistListBox), all);
    EXPECT_EQ(told, Strings{});
}

// Export offers the shown play list's name and writes full paths or bare names; Cancel, or
// no play list shown, writes nothing; a file it cannot write is named in the message.
TEST_F(M3UCommands, ExportWritesTheShownPlayListAsTheDialogSays)
{
    const std::string sep(1, Platform::Separator);
    ShowPlayList(ListOf("Mix", {Titled("A"), Titled("B")}));
    struct Case { std::string chosen; bool fullPath; std::string written; };
    const Case cases[] = {{"out.m3u", true, "/music" + sep + "A.mp3\r\n/music" + sep + "B.mp3\r\n"},
                          {"out.m3u", false, "A.mp3\r\nB.mp3\r\n"}, {"", false, "old"}};
    for (const Case& c : cases) {
        music.Write("out.m3u", "old");
        chosen = c.chosen;
        fullPath = c.fullPath;
        Form().ExportActionExecute();
        EXPECT_EQ(music.Read("out.m3u"), c.written);
    }
    EXPECT_EQ(offered, Strings(3, "Export Play List: Mix.m3u 1"));
    music.MakeFolder("dir.m3u");
    chosen = "dir.m3u";
    Form().ExportActionExecute();
    EXPECT_EQ(Messages(), Strings{"Error Exporting dir.m3u"});
    ShowSource(ListOf("Songs", {Titled("A")}));
    Form().ExportActionExecute();
    EXPECT_EQ(offered.size(), 4u);
}

} // namespace
