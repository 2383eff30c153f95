#pragma once

// namelistform: TNameListForm, the dialog that names a new play list, and the one-line
// naming window it shares with the rename dialog (Unit4).

#include "framework/TEdit.h"
#include "framework/TForm.h"
#include "framework/TLabel.h"
#include "framework/TSpeedButton.h"

#include <cstdint>
#include <string>

// What a window that names a new play list offers, and the most characters a name typed
// there may have.
inline constexpr const char* OfferedListName = "My Playlist";
inline constexpr int ListNameLength = 24;

// A small window that asks for a play list's name. The main window disables itself when
// it shows one; every way out (OK, Enter, Cancel, the close box) enables it again.
class TPlayListNameForm : public TForm {
public:
    // Shows the form with the name in its edit, the whole text selected.
    void Offer(const std::string& name);

    void OkClick();
    void CancelClick();
    void PlayListNameKeyDown(TKey& key, TShiftState shift);

    TLabel* Label1 = nullptr;
    TEdit* PlayListName = nullptr;
    TSpeedButton* Ok = nullptr;
    TSpeedButton* Cancel = nullptr;

protected:
    TPlayListNameForm(const std::string& caption, const std::string& label, TPosition position);

    // Acts on the name; ends with Finish.
    virtual void Accept() = 0;
    // What Cancel and the close box do besides leaving.
    virtual void Cancelled() {}
    // Hides the form and gives the main window back its input.
    void Finish();
};

class TNameListForm : public TPlayListNameForm {
public:
    TNameListForm();

    void CreateList();

    // 1: the songs selected in the song view go into the new play list.
    std::uint8_t AddSelectedSongs = 0;

protected:
    void Accept() override { CreateList(); }
    void Cancelled() override;
};

extern TNameListForm* NameListForm;
