#include "framework/HelpViewer.h"

#include "framework/TApplication.h"
#include "framework/TextConversion.h"
#include "platform/WholeFile.h"

#include <QTextBrowser>

THelpViewer::THelpViewer() = default;

THelpViewer::~THelpViewer() = default;

bool THelpViewer::ShowContents(const std::string& path)
{
    const std::optional<std::string> content = Platform::ReadWholeFile(path);
    if (!content) {
        Application->MessageBox("The help file \"" + path + "\" could not be opened.");
        return false;
    }
    // Made on first use: most runs never ask for help.
    if (!window_) {
        window_ = std::make_unique<QTextBrowser>();
        window_->resize(640, 720);
    }
    window_->setWindowTitle(ToQt(Application->Title() + " Help"));
    // A new document starts at its top, wherever the reader left the last one.
    window_->setHtml(ToQt(*content));
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}
