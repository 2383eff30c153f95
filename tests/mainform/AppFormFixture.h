#pragma once

#include "catalogue/PlayList.h"
#include "framework/TApplication.h"
#include "mainform/Unit1.h"
#include "tests/support/QtTesting.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Every test gets a fresh application over the program's one offscreen QApplication, a
// program folder of its own and the main window pointed at it, made but not yet shown.
// Message boxes are answered with OK and recorded.
class AppFormFixture : public ::testing::Test {
protected:
    AppFormFixture();
    ~AppFormFixture() override;

    TAppForm& Form() const { return *AppForm; }
    const TestSupport::TempFolder& Folder() const { return folder_; }
    const std::vector<std::string>& Messages() const { return messages_; }

    // Shows the window; its first activation starts the load.
    void Show();
    // Shows the window and waits until the start-up load has ended.
    void StartAndLoad();
    // Closes the window as its close box does.
    void CloseByUser();
    // Ends this run of the program and starts the next over the same folder, with the
    // window made but not yet shown.
    void Restart();

    // A list file of the program folder, named after the list: ".vts" for a source,
    // ".vtl" for a play list. Returns the file's bytes.
    std::string WriteList(const VT::PlayList& list, const std::string& extension) const;

private:
    void StartApplication();
    void EndApplication();

    TestSupport::TempFolder folder_;
    std::optional<TApplication> application_;
    std::vector<std::string> messages_;
};

// A list of `count` songs named after the list ("Rock 1", "Rock 2", ...).
VT::PlayList SongList(const std::string& name, int count);

// The list's rows as their pane shows them.
std::vector<std::string> Rows(TListBox& box);

using TestSupport::WaitUntil;

// ---- List panes, song view and search (ListPanesTest, SongViewTest, SearchTest) ----

// The window started over its empty folder, lists put into the model and the panes as
// the start-up load puts them, and the panes, the song view and the search box driven
// through real clicks and keys.
class ListFormFixture : public AppFormFixture {
protected:
    VT::ListPtr AddSource(const VT::PlayList& list);
    VT::ListPtr AddPlayList(const VT::PlayList& list);

    // A click at the middle of a row's left end; the right button works the same way.
    void ClickRow(TListBox& box, int row, bool rightButton = false);
    // A click on a header of the song view.
    void ClickColumn(int column);
    // Opens the drop-down list and clicks the entry.
    void Choose(TComboBox& box, int entry);
    // Types into a box key by key, each key a real key press.
    void Type(TControl& box, const std::string& text);

    // The texts of one column of the song view, row by row.
    std::vector<std::string> Column(int column) const;
    std::string Status() const { return Form().CurrentListLabel->Caption(); }

private:
    void StartIfNeeded();
};

VT::Song MakeSong(const std::string& title, const std::string& artist = {}, const std::string& year = {},
                  const std::string& genre = {});
VT::PlayList ListOf(const std::string& name, const std::vector<VT::Song>& songs);
