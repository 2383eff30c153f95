#pragma once

// opensourcedialog: TOpenSourceDlg, the picker of a music folder to add as a source.

#include "framework/TForm.h"

class TOpenSourceDlg : public TForm {
public:
    TOpenSourceDlg();
};

extern TOpenSourceDlg* OpenSourceDlg;
