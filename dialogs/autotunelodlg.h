#pragma once

// autotunelodlg: TAutoTuneloDialog, the dialog that builds a play list from criteria.

#include "framework/TForm.h"

class TAutoTuneloDialog : public TForm {
public:
    TAutoTuneloDialog();
};

extern TAutoTuneloDialog* AutoTuneloDialog;
