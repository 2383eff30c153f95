#pragma once

#include "framework/Colors.h"

// The main window's colours. The pane colours of sources and play lists also mark the
// search box and the status line while a list of that kind is shown.
inline constexpr TColor SourceColor = 8897218;
inline constexpr TColor PlayListColor = 10995878;
inline constexpr TColor NothingShownColor = clSilver;
inline constexpr TColor SourceBoxColor = 11655384;
inline constexpr TColor PlayListBoxColor = 13624015;
inline constexpr TColor ViewPanelColor = clGray;
// The song view and the search boxes: white while a list is shown, grey while none is.
inline constexpr TColor LiveBoxColor = clWhite;
inline constexpr TColor GreyBoxColor = 14145495;
inline constexpr TColor QuickHelpColor = 9670286;
inline constexpr TColor StepPanelColor = clSilver;
inline constexpr TColor HelpBubbleColor = 5614250;
inline constexpr TColor HelpBubbleTextColor = clMaroon;
inline constexpr TColor ArrowColor = 4728576;
// The beginner help's current step: its panel highlighted, its label blinking red.
inline constexpr TColor HelpStepHighlightColor = 0x80FFFF;
inline constexpr TColor HelpStepBlinkColor = clRed;
inline constexpr TColor HelpStepLabelColor = clBlack;
