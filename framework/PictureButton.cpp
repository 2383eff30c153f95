#include "framework/PictureButton.h"

TSpeedButton& MakePictureButton(TControl& parent, const std::string& picture, const TRect& bounds,
                                std::function<void()> click)
{
    auto& button = Make<TSpeedButton>(parent);
    button.SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    button.LoadGlyph(picture);
    button.OnClick = std::move(click);
    return button;
}
