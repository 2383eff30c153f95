// namelistform: TNameListForm, the dialog that names a new play list, and the one-line
// naming window it shares with the rename dialog (Unit4).

#include "dialogs/namelistform.h"

#include "framework/PictureButton.h"

#include <utility>

TNameListForm* NameListForm = nullptr;

TPlayListNameForm::TPlayListNameForm(const std::string& caption, const std::string& label, TPosition position)
{
    SetBorderStyle(bsDialog);
    SetFormStyle(fsStayOnTop);
    SetCaption(caption);
    SetPosition(position);
    SetClientWidth(260);
    SetClientHeight(96);
    Label1 = &Make<TLabel>(*this);
    Label1->SetLeft(8);
    Label1->SetTop(8);
    Label1->SetCaption(label);
    PlayListName = &Make<TEdit>(*this);
    PlayListName->SetBounds(8, 28, 244, 21);
    PlayListName->SetMaxLength(ListNameLength);
    PlayListName->OnKeyDown = [this](TKey& key, TShiftState shift) { PlayListNameKeyDown(key, shift); };
    Ok = &MakePictureButton(*this, ":/ok.jpg", TRect{49, 62, 124, 87}, [this] { OkClick(); });
    Cancel = &MakePictureButton(*this, ":/cancel.jpg", TRect{136, 62, 211, 87}, [this] { CancelClick(); });
    OnClose = [this](TCloseAction&) { CancelClick(); };
}

void TPlayListNameForm::Offer(TForm& opener, const std::string& name)
{
    opener_ = &opener;
    PlayListName->SetText(name);
    Show();
    PlayListName->SetFocus();
    PlayListName->SelectAll();
}

void TPlayListNameForm::OkClick()
{
    Accept();
}

void TPlayListNameForm::CancelClick()
{
    Finish();
    Cancelled();
}

void TPlayListNameForm::PlayListNameKeyDown(TKey& key, TShiftState)
{
    if (key != VK_RETURN)
        return;
    key = 0;
    OkClick();
}

void TPlayListNameForm::Finish()
{
    Hide();
    opener_->SetEnabled(true);
}

TNameListForm::TNameListForm()
    : TPlayListNameForm("Add Play List", "Play List Name:", poMainFormCenter)
{
}

void TNameListForm::Open(TForm& opener, std::uint8_t addSelectedSongs, NewListSteps steps)
{
    AddSelectedSongs = addSelectedSongs;
    steps_ = std::move(steps);
    Offer(opener, OfferedListName);
}

// The name goes as typed, empty or taken: the main window makes it unique.
void TNameListForm::CreateList()
{
    const std::int32_t row = steps_.CreatePlayList(PlayListName->Text());
    if (AddSelectedSongs == 1)
        steps_.AddSelectedToPlayList(row);
    Finish();
}

void TNameListForm::Cancelled()
{
    steps_.HideHelpBubble();
}
