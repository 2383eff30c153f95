#include "tests/support/ApplicationFixture.h"

#include "dialogs/addsourcethread.h"
#include "dialogs/foldercreate.h"
#include "dialogs/opendialog.h"
#include "dialogs/opensourcedialog.h"
#include "dialogs/qeastiondlg.h"
#include "dialogs/selectfolder.h"
#include "tests/support/TempFolder.h"

#include <QComboBox>
#include <QTest>

#include <filesystem>

namespace {

using Strings = std::vector<std::string>;

class FileDialogs : public ApplicationFixture {
protected:
    FileDialogs()
    {
        RecordMessages();
        folder.Write("song.mp3", "bytes");
        music = folder.PathWithoutSeparator();
        sub = folder.MakeFolder("Sub");
        sub.pop_back();
        // Listed by a mask of all files, never by the source dialog's MP3 mask.
        folder.Write("Sub/notes.txt", "text");
    }

    void ClickRow(TListBox& box, const std::string& path, bool twice)
    {
        auto& folders = static_cast<TDirectoryListBox&>(box);
        int row = 0;
        while (folders.GetItemPath(row) != path)
            ++row;
        const QPoint at(folders.ItemRect(row).Left + 5, folders.ItemRect(row).Top + 3);
        if (twice)
            TestSupport::DoubleClick(folders.ClientWidget(), at);
        else
            QTest::mouseClick(folders.ClientWidget(), Qt::LeftButton, {}, at);
    }

    TestSupport::TempFolder folder;
    std::string music;
    std::string sub;
};

// OK yields the folder whose files it checked: before any click, after another drive,
// after a click; a folder without MP3 files keeps the dialog open with its message.
TEST_F(FileDialogs, ReturnTheFolderTheSourceDialogShows)
{
    Application->CreateForm(OpenSourceDlg);
    TOpenSourceDlg& dialog = *OpenSourceDlg;
    dialog.Show();
    dialog.DirectoryListBox->SetDirectory(music);
    dialog.OkClick();
    EXPECT_EQ(dialog.ModalResult(), mrOk);
    EXPECT_EQ(dialog.GetFolder(), music);

    dialog.SetModalResult(mrNone);
    ClickRow(*dialog.DirectoryListBox, sub, false);
    EXPECT_EQ(dialog.GetFolder(), sub);
    EXPECT_EQ(dialog.FileListBox->Items().Count(), 0);
    dialog.OkClick();
    EXPECT_EQ(dialog.ModalResult(), mrNone);
    EXPECT_EQ(messages, Strings{"The Folder you selected has no mp3's.\nPlease select another folder or press cancel."});

    emit static_cast<QComboBox*>(dialog.DriveComboBox->Widget())->activated(0);
    EXPECT_EQ(dialog.GetFolder(), "/");
    EXPECT_EQ(dialog.DirectoryListBox->Directory(), "/");
}

// The lists open the process's current folder when the picker first shows, not when it is
// made, and keep the user's folder from one showing to the next. A click on the remembered
// folder's row acts as OK; a double click chooses its row.
TEST_F(FileDialogs, OpenTheCurrentFolderFirstAndChooseByAClickOnTheRememberedRowOrByADoubleClick)
{
    Application->CreateForm(CreateFolderForm);
    Application->CreateForm(SelectFolderForm);
    TSelectFolderForm& picker = *SelectFolderForm;
    const std::filesystem::path startFolder = std::filesystem::current_path();
    std::filesystem::current_path(music);
    CreateFolderForm->BrowseClick();
    std::filesystem::current_path(startFolder);
    EXPECT_EQ(picker.DirectoryListBox->Directory(), music);
    ClickRow(*picker.DirectoryListBox, sub, false);
    EXPECT_TRUE(picker.Visible());
    EXPECT_TRUE(CreateFolderForm->FolderLocation.empty());
    ClickRow(*picker.DirectoryListBox, sub, false);
    EXPECT_FALSE(picker.Visible());
    EXPECT_EQ(CreateFolderForm->FolderLocation, sub);
    EXPECT_EQ(CreateFolderForm->FolderPathLabel->Caption(), sub);
    EXPECT_TRUE(CreateFolderForm->Enabled());

    CreateFolderForm->BrowseClick();
    EXPECT_EQ(picker.DirectoryListBox->Directory(), sub);
    ClickRow(*picker.DirectoryListBox, music, true);
    EXPECT_FALSE(picker.Visible());
    EXPECT_EQ(CreateFolderForm->FolderLocation, music);
}

// Save mode asks whenever the file that would be written is there, however its name was
// typed and whether the mask lists it or not; Cancel keeps the dialog open and the next OK
// asks again.
TEST_F(FileDialogs, AskBeforeOverwritingAFileOfExactlyThatName)
{
    folder.Write("list.m3u", "");
    folder.Write("notes.txt", "");
    Application->CreateForm(QuestionDialog);
    Application->CreateForm(OpenDlg);
    TOpenDlg& dialog = *OpenDlg;
    struct Case { const char* name; std::uint8_t mode; std::vector<int> answers; int result; };
    const Case cases[] = {
        {"list.m3u", 1, {mrCancel, mrOk}, mrOk},
        {"notes.txt", 1, {mrOk}, mrOk},
        {"Sub/notes.txt", 1, {mrOk}, mrOk},
        {"./list.m3u", 1, {mrOk}, mrOk},
        {"LIST.m3u", 1, {}, mrOk},
        {"list.m3u", 0, {}, mrOk},
        {"list.m3u", 1, {mrCancel}, mrNone},
    };
    for (const Case& c : cases) {
        std::vector<std::string> questions;
        std::size_t answered = 0;
        Testing::SetModalHook([&](TForm&) {
            questions.push_back(QuestionDialog->Caption() + ": " + QuestionDialog->CaptionText->Caption());
            return c.answers.at(answered++);
        });
        dialog.Mode = c.mode;
        dialog.Folder = music;
        dialog.SetModalResult(mrNone);
        dialog.FileEdit->SetText(c.name);
        for (std::size_t i = 0; i < std::max<std::size_t>(1, c.answers.size()); ++i)
            dialog.OkClick();
        EXPECT_EQ(dialog.ModalResult(), c.result) << c.name;
        EXPECT_EQ(questions.size(), c.answers.size()) << c.name;
        for (const std::string& question : questions)
            EXPECT_EQ(question, "Overwrite: Would you like to overwrite the file \"" + std::string(c.name) + "\"?");
    }
    // After another drive, the file is looked for, and written, where the lists now show.
    emit static_cast<QComboBox*>(dialog.DriveComboBox->Widget())->activated(0);
    EXPECT_EQ(dialog.Folder, "/");
}

// The worker adds one separator to the chosen folder, none to a root that has one.
TEST_F(FileDialogs, AddOneSeparatorToTheScannedFolder)
{
    for (const auto& [chosen, scanned] : {std::pair{"/", "/"}, std::pair{"/music", "/music/"}}) {
        std::string got;
        new AddSourceThread(chosen, [&](const std::string& folder) { got = folder; });
        Testing::WaitForWorkers();
        EXPECT_EQ(got, scanned);
    }
}

} // namespace
