#pragma once

#include "mainform/Unit1.h"
#include "tests/support/ApplicationFixture.h"
#include "tests/support/ListBoxRows.h"
#include "tests/support/SongSamples.h"
#include "tests/support/TempFolder.h"

#include <QPoint>

#include <string>
#include <vector>

using SongSamples::ListOf;
using SongSamples::Make;
using SongSamples::Titled;
using SongSamples::Titles;
using Strings = std::vector<std::string>;

// Every test gets a program folder of its own and the main window pointed at it, made but
// not yet shown. Message boxes are answered with OK and recorded.
class AppFormFixture : public ApplicationFixture {
protected:
    AppFormFixture() { MakeWindow(); }

    TAppForm& Form() const { return *AppForm; }
    const TestSupport::TempFolder& Folder() const { return folder_; }
    const std::vector<std::string>& Messages() const { return messages; }

    // Shows the window, active as the desktop leaves it, and waits until the start-up load
    // has ended.
    void StartAndLoad();
    // Closes the window as its close box does.
    void CloseByUser();
    // Ends this run of the program and starts the next over the same folder, with the
    // window made but not yet shown.
    void Restart();
    // The list's file in the program folder, as the model names it; returns its bytes.
    std::string WriteList(const VT::PlayList& list, const std::string& extension) const;

private:
    void MakeWindow();

    TestSupport::TempFolder folder_;
};

// A list of `count` songs titled after it: "Rock 1", "Rock 2", ...
VT::PlayList SongList(const std::string& name, int count);

// True when `front` is drawn over `behind`, both children of one widget.
bool InFrontOf(const TControl& front, const TControl& behind);

// The window started over its empty folder, lists added as the start-up load adds them,
// and the panes, the song view and the search box driven through real clicks and keys.
class ListFormFixture : public AppFormFixture {
protected:
    void SetUp() override { StartAndLoad(); }

    VT::ListPtr AddSource(const VT::PlayList& list);
    VT::ListPtr AddPlayList(const VT::PlayList& list);
    // A source or play list added, then shown by a click on its row.
    VT::ListPtr ShowSource(const VT::PlayList& list);
    VT::ListPtr ShowPlayList(const VT::PlayList& list);

    // A click at the left end of a row, in its middle, where RowPoint points.
    void ClickRow(TListBox& box, int row, bool rightButton = false);
    static QPoint RowPoint(const TListBox& box, int row);
    // A click on a header of the song view.
    void ClickColumn(int column);
    // A click in the song view's title column at the height of a row, which may lie below the last.
    void ClickSongRow(int row, bool rightButton = false);
    // Where ClickSongRow clicks, in the view's client area.
    QPoint SongRowPoint(int row) const;
    // A click in the middle of a control.
    void Click(TControl& control);
    // Opens the drop-down list and clicks the entry.
    void Choose(TComboBox& box, int entry);
    // Types into a box key by key.
    void Type(TControl& box, const std::string& text);

    // The texts of one column of the song view, row by row.
    std::vector<std::string> Column(int column) const;
    std::string Status() const { return Form().CurrentListLabel->Caption(); }
};
