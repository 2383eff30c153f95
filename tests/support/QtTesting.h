#pragma once

#include <Qt>

#include <functional>

class QPoint;
class QString;
class QWidget;

namespace TestSupport {

// Makes the one offscreen QApplication of the test program, once; it lives until the
// process ends, since Qt cannot be set up twice in one process.
void EnsureOffscreenQt();
// The arguments it was made with, for an application object over it.
int& ArgumentCount();
char** Arguments();

// Handles events until the condition holds; false when it still fails after a long wait.
bool WaitUntil(const std::function<bool()>& condition);

// Types the text into the widget key by key, also characters that have no key of their own.
void Type(QWidget* widget, const QString& text);

// A key held down as the desktop delivers it: a press, `repeats` times an auto-repeated
// release and press, then the release.
void HoldKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers, int repeats);

// A double click as the desktop delivers it: press, release, double click, release.
void DoubleClick(QWidget* widget, const QPoint& at);

// The pointer moves over the widget with no button held.
void MoveMouse(QWidget* widget, const QPoint& at);

// A drag with the left button as the desktop delivers it, through the window of the pressed
// widget, which keeps the mouse until the release: a press, moves in small steps, a release.
// Points are in the coordinates of the widget named with each.
inline constexpr int DragSteps = 4; // the moves of each DragTo
void PressLeft(QWidget* source, const QPoint& from);
void DragTo(QWidget* over, const QPoint& to);
void ReleaseLeft(QWidget* over, const QPoint& at);
void DragAndDrop(QWidget* source, const QPoint& from, QWidget* target, const QPoint& to);

} // namespace TestSupport
