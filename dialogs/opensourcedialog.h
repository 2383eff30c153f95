#pragma once

#include "framework/TForm.h"

// The picker of a music folder to add as a source.
class TOpenSourceDlg : public TForm {
public:
    TOpenSourceDlg();
};

extern TOpenSourceDlg* OpenSourceDlg;
