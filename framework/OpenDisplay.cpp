#include "framework/OpenDisplay.h"

#include <QApplication>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// What Qt says while it opens the display, kept until it is known whether it succeeded.
struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

std::vector<HeldMessage> heldMessages;
QtMessageHandler otherHandler = nullptr;
std::string programName;

const char* OrNull(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: no display to open the window on; set DISPLAY to a running X server\n",
                     programName.c_str());
        std::fflush(stderr);
        _exit(1);
    }
    heldMessages.push_back({type, context.file ? context.file : "", context.line,
                            context.function ? context.function : "",
                            context.category ? context.category : "", text});
}

} // namespace

std::unique_ptr<QApplication> OpenDisplay(int& argc, char** argv)
{
    const std::string path = argc > 0 && argv[0] ? argv[0] : "";
    programName = path.substr(path.find_last_of('/') + 1);
    otherHandler = qInstallMessageHandler(HoldMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(otherHandler);
    for (const HeldMessage& message : heldMessages) {
        const QMessageLogContext context(OrNull(message.file), message.line, OrNull(message.function),
                                         OrNull(message.category));
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
    return application;
}
