#include "dialogs/foldercreate.h"
#include "dialogs/messagebox.h"
#include "dialogs/selectfolder.h"
#include "mainform/Unit1.h"
#include "tests/support/ApplicationFixture.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

#include <QCoreApplication>
#include <QTest>

#include <filesystem>
#include <functional>
#include <utility>

namespace {

using namespace SongSamples;
using TestSupport::TempFolder;
using Shown = std::pair<std::string, int>;

// Calls `between` before each step that a worker hands to the main thread (a call to the
// application object), where the window shows what the steps before it left.
class StepWatch : public QObject {
public:
    explicit StepWatch(std::function<void()> between) : between_(std::move(between))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::MetaCall)
            between_();
        return false;
    }

private:
    std::function<void()> between_;
};

// The main window, not shown, with the dialog's location set to `places`; messages of
// both kinds are answered and recorded in order.
class CreateFolder : public ApplicationFixture {
protected:
    CreateFolder()
    {
        Application->CreateForm(AppForm);
        Application->CreateForm(CreateFolderForm);
        Application->CreateForm(SelectFolderForm);
        Application->CreateForm(MessageDialog);
        Testing::SetModalHook([this](TForm&) {
            messages.push_back(MessageDialog->CaptionText->Caption());
            return mrOk;
        });
        RecordMessages();
        CreateFolderForm->FolderLocation = places.PathWithoutSeparator();
    }

    // A song whose file, holding its own name, stands in the music folder.
    VT::Song Song(const std::string& name) const
    {
        music.Write(name, name);
        return Titled(name, name, music.PathWithoutSeparator());
    }

    // Shows the play list of these songs and opens the dialog on it.
    static void Open(const std::vector<VT::Song>& songs, const std::string& name = "Mix")
    {
        AppForm->LoadPlayLists(std::vector{ListOf(name, songs)});
        AppForm->SelectPlayList(0);
        AppForm->CreateFolderActionExecute();
    }

    // OK with this folder name, then the run to its end.
    static void Run(const std::string& name)
    {
        CreateFolderForm->FolderNameEdit->SetText(name);
        QTest::mouseClick(CreateFolderForm->Ok->Widget(), Qt::LeftButton);
        Testing::WaitForWorkers();
    }

    // Every way out of a run: the form as before OK, hidden, and the main window enabled.
    static void ExpectReset()
    {
        const TCreateFolderForm& form = *CreateFolderForm;
        EXPECT_FALSE(form.Visible());
        EXPECT_TRUE(AppForm->Enabled());
        for (const TControl* control : std::initializer_list<const TControl*>{form.PLabel, form.ProgressBar, form.CreateInfoLabel})
            EXPECT_FALSE(control->Visible());
        for (const TControl* control : std::initializer_list<const TControl*>{&form, form.Ok, form.Browse, form.FolderNameEdit})
            EXPECT_TRUE(control->Enabled());
        EXPECT_EQ(form.ProgressBar->Position(), 0);
        EXPECT_EQ(form.Running, 0);
        EXPECT_EQ(form.CancelRequested, 0);
        EXPECT_FALSE(form.CopyList.IsList());
    }

    TempFolder music;
    TempFolder places;
};

// The count line and the bar between the steps; the later of two songs with one file name
// replaces the copy of the earlier, unless its own file is missing, and the list names both.
// The list's file is named by the rule that names list files.
TEST_F(CreateFolder, CopiesEverySongShowingHowManyAreLeftAndListsTheirFileNames)
{
    TempFolder elsewhere;
    elsewhere.Write("10.mp3", "later");
    std::vector<VT::Song> songs;
    for (int i = 10; i < 20; ++i)
        songs.push_back(Song(std::to_string(i) + ".mp3"));
    songs.push_back(Titled("Later", "10.mp3", elsewhere.PathWithoutSeparator()));
    songs.push_back(Titled("Missing", "11.mp3", elsewhere.PathWithoutSeparator()));
    Open(songs, "AC/DC");
    EXPECT_EQ(CreateFolderForm->FolderNameEdit->Text(), "AC/DC");
    EXPECT_FALSE(AppForm->Enabled());
    std::vector<Shown> shown;
    const StepWatch watch([&shown] {
        const std::string line = CreateFolderForm->CreateInfoLabel->Caption();
        if (CreateFolderForm->Running && !line.empty() && (shown.empty() || shown.back().first != line))
            shown.emplace_back(line, CreateFolderForm->ProgressBar->Position());
    });
    Run("Copy");
    EXPECT_EQ(CreateFolderForm->ProgressBar->Max(), 12);
    ASSERT_EQ(shown.size(), 12U);
    EXPECT_EQ(shown.front(), (Shown{"There are 12 songs left to save into folder", 0}));
    EXPECT_EQ(shown.back(), (Shown{"There are 1 songs left to save into folder", 11}));
    std::string list;
    for (const VT::Song& song : songs)
        list.append(song.GetFileName()).append("\r\n");
    EXPECT_EQ(places.Read("Copy/AC_DC.m3u"), list);
    EXPECT_EQ(places.Read("Copy/10.mp3"), "later");
    EXPECT_EQ(places.Read("Copy/11.mp3"), "11.mp3");
    EXPECT_EQ(std::filesystem::status(places / "Copy/10.mp3").permissions(),
              std::filesystem::status(places / "Copy/12.mp3").permissions());
    EXPECT_EQ(places.Read("Copy/19.mp3"), "19.mp3");
    EXPECT_EQ(places.Entries("Copy").size(), 11U);
    EXPECT_EQ(messages, Strings{"There were 1 songs that could not be copied into the folder."});
    ExpectReset();
}

// Both messages when both are missing; a name that is no single folder level, or a
// location that does not exist, makes nothing. Browse hands over to the picker.
TEST_F(CreateFolder, WantsANameAndALocationThatMakeOneFolder)
{
    places.MakeFolder("a");
    Open({Song("01.mp3")});
    const std::string error = "There was an error creating the folder";
    const std::string location = CreateFolderForm->FolderLocation;
    const std::tuple<std::string, std::string, Strings> cases[] = {
        {"", "", {"Please specify a folder name", "Please select a path"}},
        {"", location, {"Please specify a folder name"}},
        {"Mix", "", {"Please select a path"}},
        {".", location, {error}},
        {"..", location, {error}},
        {"a/b", location, {error}},
        {"a\tb", location, {error}},
        {"Mix", places / "missing", {error}},
    };
    for (const auto& [name, folder, expected] : cases) {
        messages.clear();
        CreateFolderForm->FolderLocation = folder;
        Run(name);
        EXPECT_EQ(messages, expected) << name << " in " << folder;
        EXPECT_TRUE(CreateFolderForm->Visible());
        EXPECT_FALSE(AppForm->Enabled());
    }
    EXPECT_EQ(places.Entries(), Strings{"a"});
    EXPECT_TRUE(places.Entries("a").empty());

    QTest::mouseClick(CreateFolderForm->Browse->Widget(), Qt::LeftButton);
    EXPECT_TRUE(SelectFolderForm->Visible());
    EXPECT_FALSE(CreateFolderForm->Enabled());
    SelectFolderForm->CancelClick();
    QTest::mouseClick(CreateFolderForm->Cancel->Widget(), Qt::LeftButton);
    ExpectReset();
}

// Files that stood in the folder before the run stay: the song of a taken name is not
// copied, and the list of a taken name is not written.
TEST_F(CreateFolder, KeepsWhatStoodInAnExistingFolder)
{
    places.MakeFolder("Mix");
    places.Write("Mix/02.mp3", "stranger");
    places.Write("Mix/Mix.m3u", "old list");
    Open({Song("01.mp3"), Song("02.mp3"), Song("03.mp3")});
    Run("Mix");
    EXPECT_EQ(places.Read("Mix/01.mp3"), "01.mp3");
    EXPECT_EQ(places.Read("Mix/02.mp3"), "stranger");
    EXPECT_EQ(places.Read("Mix/03.mp3"), "03.mp3");
    EXPECT_EQ(places.Read("Mix/Mix.m3u"), "old list");
    EXPECT_EQ(messages, (Strings{"Error Exporting Mix.m3u", "There were 1 songs that could not be copied into the folder."}));
    ExpectReset();
}

// The songs' own folder as the destination: their files are left whole, also the copy
// that this run wrote there and that a later song names as its own file. They count as
// not copied, like a song whose file is missing.
TEST_F(CreateFolder, LeavesSongsInTheirOwnFolderAlone)
{
    TempFolder elsewhere;
    elsewhere.Write("05.mp3", "five");
    const std::string folder = music.PathWithoutSeparator();
    Open({Song("01.mp3"), Song("02.mp3"), Titled("Gone", "gone.mp3", folder),
          Titled("Five", "05.mp3", elsewhere.PathWithoutSeparator()), Titled("Copied", "05.mp3", folder)});
    const std::filesystem::path own = folder;
    CreateFolderForm->FolderLocation = own.parent_path().string();
    Run(own.filename().string());
    EXPECT_EQ(music.Read("01.mp3"), "01.mp3");
    EXPECT_EQ(music.Read("02.mp3"), "02.mp3");
    EXPECT_EQ(music.Read("05.mp3"), "five");
    EXPECT_EQ(music.Read("Mix.m3u"), "01.mp3\r\n02.mp3\r\ngone.mp3\r\n05.mp3\r\n05.mp3\r\n");
    EXPECT_EQ(messages, Strings{"There were 4 songs that could not be copied into the folder."});
    ExpectReset();
}

// Cancel answered after the last song was copied still rolls the run back, the bar counting
// down from full as it goes: only the files it wrote go, and the folder only when the run
// made it.
TEST_F(CreateFolder, CancelDeletesOnlyWhatTheRunWrote)
{
    const std::vector<VT::Song> songs{Song("01.mp3"), Song("02.mp3"), Song("03.mp3")};
    std::vector<int> rolledBack;
    const StepWatch watch([&rolledBack] {
        const int position = CreateFolderForm->ProgressBar->Position();
        if (CreateFolderForm->Running && CreateFolderForm->CancelRequested)
            rolledBack.push_back(position);
        else if (CreateFolderForm->Running && position == 2)
            QTest::mouseClick(CreateFolderForm->Cancel->Widget(), Qt::LeftButton);
    });
    places.MakeFolder("Empty");
    places.MakeFolder("Full");
    places.Write("Full/02.mp3", "stranger");
    places.Write("Full/notes.txt", "notes");
    Open(songs);
    for (const char* name : {"New", "Empty", "Full"}) {
        AppForm->CreateFolderActionExecute();
        Run(name);
        EXPECT_EQ(places.Entries(), (Strings{"Empty", "Full"})) << name;
        EXPECT_EQ(rolledBack, (std::vector<int>{2, 3, 2, 1})) << name;
        rolledBack.clear();
        ExpectReset();
    }
    EXPECT_TRUE(places.Entries("Empty").empty());
    EXPECT_EQ(places.Entries("Full"), (Strings{"02.mp3", "notes.txt"}));
    EXPECT_EQ(places.Read("Full/02.mp3"), "stranger");
    EXPECT_TRUE(messages.empty());
}

} // namespace
