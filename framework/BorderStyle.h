#pragma once

// A panel has no border or a single line; a form may also be sizeable or a dialog. A
// dialog's border has a fixed size and no minimise or maximise button; a form's bsNone
// keeps the fixed size and the title but has no title-bar buttons at all, and the window
// manager's close is ignored, so only the program hides the form.
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
using TFormBorderStyle = TBorderStyle;
