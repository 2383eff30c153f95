// opensourcedialog: TOpenSourceDlg, the picker of a music folder to add as a source.

#include "dialogs/opensourcedialog.h"

TOpenSourceDlg* OpenSourceDlg = nullptr;

TOpenSourceDlg::TOpenSourceDlg()
{
    SetCaption("Select MP3 Folder");
}
