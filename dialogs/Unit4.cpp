// Unit4: TRenameListForm, the dialog that gives the shown play list another name.

#include "dialogs/Unit4.h"

#include <utility>

TRenameListForm* RenameListForm = nullptr;

TRenameListForm::TRenameListForm()
    : TPlayListNameForm("Rename Play List", "New Play List Name:", poScreenCenter)
{
}

void TRenameListForm::Open(TForm& opener, const std::string& name,
                           std::function<void(const std::string& name)> renamePlayList)
{
    renamePlayList_ = std::move(renamePlayList);
    Offer(opener, name);
}

void TRenameListForm::RenameList()
{
    renamePlayList_(PlayListName->Text());
    Finish();
}
