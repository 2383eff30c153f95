#pragma once

#include <memory>
#include <string>

class QTextBrowser;

// The help command that opens a help file at its contents.
inline constexpr int HELP_FINDER = 11;

// A window of our own that shows a help file, which is HTML. The desktop has no viewer
// for the help files the program was first written with, so it brings its own.
class THelpViewer {
public:
    THelpViewer();
    THelpViewer(const THelpViewer&) = delete;
    THelpViewer& operator=(const THelpViewer&) = delete;
    ~THelpViewer();

    // Shows the file from its start. A file that cannot be read is reported in the
    // application's message box and nothing else happens; false then.
    bool ShowContents(const std::string& path);

private:
    std::unique_ptr<QTextBrowser> window_;
};
