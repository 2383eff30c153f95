#pragma once

// Unit4: TRenameListForm, the dialog that gives the shown play list another name.

#include "dialogs/namelistform.h"

#include <functional>
#include <string>

class TRenameListForm : public TPlayListNameForm {
public:
    TRenameListForm();

    // Offers the list's present name over `opener`; OK hands the name typed to `renamePlayList`.
    void Open(TForm& opener, const std::string& name, std::function<void(const std::string& name)> renamePlayList);
    void RenameList();

protected:
    void Accept() override { RenameList(); }

private:
    std::function<void(const std::string& name)> renamePlayList_;
};

extern TRenameListForm* RenameListForm;
