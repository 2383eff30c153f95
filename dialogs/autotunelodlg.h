#pragma once

#include "framework/TForm.h"

// The dialog that builds a play list from criteria.
class TAutoTuneloDialog : public TForm {
public:
    TAutoTuneloDialog();
};

extern TAutoTuneloDialog* AutoTuneloDialog;
