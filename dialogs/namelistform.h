#pragma once

// namelistform: TNameListForm, the dialog that names a new play list, and the one-line
// naming window it shares with the rename dialog (Unit4).

#include "framework/TEdit.h"
#include "framework/TForm.h"
#include "framework/TLabel.h"
#include "framework/TSpeedButton.h"

#include <cstdint>
#include <functional>
#include <string>

// What a window that names a new play list offers, and the most characters a name typed
// there may have.
inline constexpr const char* OfferedListName = "My Playlist";
inline constexpr int ListNameLength = 24;

// A small window that asks for a play list's name. Its opener disables itself when it
// shows one; every way out (OK, Enter, Cancel, the close box) enables the opener again.
class TPlayListNameForm : public TForm {
public:
    void OkClick();
    void CancelClick();
    void PlayListNameKeyDown(TKey& key, TShiftState shift);

    TLabel* Label1 = nullptr;
    TEdit* PlayListName = nullptr;
    TSpeedButton* Ok = nullptr;
    TSpeedButton* Cancel = nullptr;

protected:
    TPlayListNameForm(const std::string& caption, const std::string& label, TPosition position);

    // Shows the form over `opener` with the name in its edit, the whole text selected.
    void Offer(TForm& opener, const std::string& name);

    // Acts on the name; ends with Finish.
    virtual void Accept() = 0;
    // What Cancel and the close box do besides leaving.
    virtual void Cancelled() {}
    // Hides the form and gives the opener back its input.
    void Finish();

private:
    TForm* opener_ = nullptr;
};

// What the window that names a new play list has the main window do.
struct NewListSteps {
    // Creates a play list of the name, made unique, and returns its row in the play-list pane.
    std::function<std::int32_t(const std::string& name)> CreatePlayList;
    // Appends the songs selected in the song view to the play list of the row.
    std::function<void(std::int32_t row)> AddSelectedToPlayList;
    // Cancel and the close box also hide the beginner help's bubble.
    std::function<void()> HideHelpBubble;
};

class TNameListForm : public TPlayListNameForm {
public:
    TNameListForm();

    // Offers "My Playlist" over `opener`; `addSelectedSongs` sets AddSelectedSongs.
    void Open(TForm& opener, std::uint8_t addSelectedSongs, NewListSteps steps);
    void CreateList();

    // 1: the songs selected in the song view go into the new play list.
    std::uint8_t AddSelectedSongs = 0;

protected:
    void Accept() override { CreateList(); }
    void Cancelled() override;

private:
    NewListSteps steps_;
};

extern TNameListForm* NameListForm;
