// aboutdlg: TAbout, the About box.

#include "dialogs/aboutdlg.h"

#include "framework/PictureButton.h"

TAbout* About = nullptr;

TAbout::TAbout()
{
    SetBorderStyle(bsDialog);
    SetCaption("About");
    SetPosition(poMainFormCenter);
    SetClientWidth(301);
    SetClientHeight(393);
    Image1 = &Make<TImage>(*this);
    Image1->SetBounds(0, 0, 302, 281);
    Image1->LoadPicture(":/about.jpg");
    StaticText1 = &Make<TStaticText>(*this);
    StaticText1->SetBounds(8, 289, 285, 56);
    StaticText1->SetAlignment(taCenter);
    StaticText1->SetCaption("Vesk Tunelo\nA play-list manager for your MP3 music\nVersion 1.0");
    Panel1 = &Make<TPanel>(*this);
    Panel1->SetBounds(0, 353, 301, 40);
    Panel1->SetBevelOuter(bvNone);
    Ok = &MakePictureButton(*Panel1, ":/ok.jpg", TRect{113, 7, 188, 32}, [this] { OkClick(); });
}

void TAbout::OkClick()
{
    SetModalResult(mrOk);
}
