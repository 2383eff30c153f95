// loadprogressbarform: TLoadProgressBar, the progress window of a folder scan.

#include "dialogs/loadprogressbarform.h"

TLoadProgressBar* LoadProgressBar = nullptr;

TLoadProgressBar::TLoadProgressBar()
{
    SetCaption("Importing Folder");
}
