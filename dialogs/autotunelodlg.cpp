#include "dialogs/autotunelodlg.h"

TAutoTuneloDialog* AutoTuneloDialog = nullptr;

TAutoTuneloDialog::TAutoTuneloDialog()
{
    SetCaption("Automatically Create A Play List");
}
