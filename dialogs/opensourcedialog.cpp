#include "dialogs/opensourcedialog.h"

TOpenSourceDlg* OpenSourceDlg = nullptr;

TOpenSourceDlg::TOpenSourceDlg()
{
    SetCaption("Select MP3 Folder");
}
