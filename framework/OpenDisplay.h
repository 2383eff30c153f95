#pragma once

#include <memory>

class QApplication;

// Makes the program's QApplication, which opens the display. Without one (no DISPLAY,
// or nothing behind it) the program says so in one line on stderr and ends with 1; Qt
// would tell of plugins and reinstalling and then abort.
std::unique_ptr<QApplication> OpenDisplay(int& argc, char** argv);
