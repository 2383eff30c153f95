#include "dialogs/loadprogressbarform.h"

TLoadProgressBar* LoadProgressBar = nullptr;

TLoadProgressBar::TLoadProgressBar()
{
    SetCaption("Importing Folder");
}
