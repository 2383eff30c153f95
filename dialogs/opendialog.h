#pragma once

#include "framework/TForm.h"

// The M3U file dialog; each call gives its caption.
class TOpenDlg : public TForm {
public:
    TOpenDlg();
};

extern TOpenDlg* OpenDlg;
