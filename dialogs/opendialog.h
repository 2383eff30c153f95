#pragma once

// opendialog: TOpenDlg, the M3U file dialog.

#include "framework/TForm.h"

class TOpenDlg : public TForm {
public:
    TOpenDlg();
};

extern TOpenDlg* OpenDlg;
