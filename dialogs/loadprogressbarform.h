#pragma once

#include "framework/TForm.h"

// The progress window of a folder scan.
class TLoadProgressBar : public TForm {
public:
    TLoadProgressBar();
};

extern TLoadProgressBar* LoadProgressBar;
