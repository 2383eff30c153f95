#pragma once

// loadprogressbarform: TLoadProgressBar, the progress window of a folder scan.

#include "framework/TForm.h"

class TLoadProgressBar : public TForm {
public:
    TLoadProgressBar();
};

extern TLoadProgressBar* LoadProgressBar;
