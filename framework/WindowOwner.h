#pragma once

class QWidget;

// The window manager keeps a window above the window that owns it (the one it is transient
// for) and gives a dialog no minimise or maximise button. A window is owned by the window
// that opens it: the active window, or else the main form; never by itself or by a window
// that it owns.
void OwnByOpener(QWidget& window);

// Whether the window is a dialog, whose title bar holds the title and the close box
// alone. Given as the window shows, once its flags are settled.
void SetDialogTitleBar(QWidget& window, bool dialog);
