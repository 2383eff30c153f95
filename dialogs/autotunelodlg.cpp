// autotunelodlg: TAutoTuneloDialog, the dialog that builds a play list from criteria.

#include "dialogs/autotunelodlg.h"

TAutoTuneloDialog* AutoTuneloDialog = nullptr;

TAutoTuneloDialog::TAutoTuneloDialog()
{
    SetCaption("Automatically Create A Play List");
}
