// opendialog: TOpenDlg, the M3U file dialog.

#include "dialogs/opendialog.h"

TOpenDlg* OpenDlg = nullptr;

// The caption comes with each call.
TOpenDlg::TOpenDlg() = default;
