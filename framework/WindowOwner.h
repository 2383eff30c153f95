#pragma once

class QWidget;

// The window manager keeps a window above the window that owns it (the one it is transient
// for) and gives a dialog no minimise or maximise button. A window is owned by the window
// that opens it: the active window, or else the main form; never by itself or by a window
// that it owns.
void OwnByOpener(QWidget& window);
