#pragma once

// A panel has no border or a single line; a form may also be sizeable or a dialog.
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
using TFormBorderStyle = TBorderStyle;
