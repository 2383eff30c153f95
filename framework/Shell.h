#pragma once

#include <string>

// How the opened program's window shows; the desktop decides, so it is only accepted.
enum TShowMode { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOWMINIMIZED = 2, SW_SHOWMAXIMIZED = 3 };

// Opens a file, or a web address, with the desktop's default program for it; returns
// whether the desktop took the request.
bool ShellOpen(const std::string& target, TShowMode showMode = SW_SHOWNORMAL);
