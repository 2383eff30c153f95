#pragma once

class QKeyEvent;

// Whether a one-line text box uses the key for editing: typing, deleting, moving the cursor
// and selecting, the clipboard, select-all, undo and redo. While the box has the focus such a
// key is the box's own, and no short-cut of the form takes it, whatever keys the desktop's
// own bindings give the box.
bool IsEditKey(const QKeyEvent& key);
