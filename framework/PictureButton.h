#pragma once

#include "framework/TSpeedButton.h"

#include <functional>
#include <string>

// A flat button that shows one of the compiled-in pictures and runs `click`.
TSpeedButton& MakePictureButton(TControl& parent, const std::string& picture, const TRect& bounds,
                                std::function<void()> click);
