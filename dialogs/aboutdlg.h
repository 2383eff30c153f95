#pragma once

// aboutdlg: TAbout, the About box.

#include "framework/TForm.h"
#include "framework/TImage.h"
#include "framework/TPanel.h"
#include "framework/TSpeedButton.h"
#include "framework/TStaticText.h"

class TAbout : public TForm {
public:
    TAbout();

    void OkClick();

    TImage* Image1 = nullptr;
    TStaticText* StaticText1 = nullptr;
    TPanel* Panel1 = nullptr;
    TSpeedButton* Ok = nullptr;
};

extern TAbout* About;
