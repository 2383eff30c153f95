#include "dialogs/Unit4.h"
#include "dialogs/aboutdlg.h"
#include "dialogs/autotunelodlg.h"
#include "dialogs/foldercreate.h"
#include "dialogs/loadprogressbarform.h"
#include "dialogs/messagebox.h"
#include "dialogs/namelistform.h"
#include "dialogs/opendialog.h"
#include "dialogs/opensourcedialog.h"
#include "dialogs/qeastiondlg.h"
#include "dialogs/selectfolder.h"
#include "framework/TApplication.h"
#include "mainform/ProgramFolder.h"
#include "mainform/Unit1.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <unistd.h>

namespace {

const char* const NoDisplay = "vesktunelo: no display to open the window on (DISPLAY is not set)\n";

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

bool HasDisplay()
{
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
}

QtMessageHandler qtHandler = nullptr;

// A display that is named but cannot be opened ends Qt with a fatal message; the program
// then says so in one line and ends, instead of aborting with a crash dump.
void EndOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    const QString firstLine = message.section(QLatin1Char('\n'), 0, 0);
    std::fprintf(stderr, "vesktunelo: the window cannot be opened: %s\n", firstLine.toLocal8Bit().constData());
    std::fflush(stderr);
    _exit(1);
}

void CreateWindows()
{
    Application->CreateForm(AppForm);
    Application->CreateForm(NameListForm);
    Application->CreateForm(RenameListForm);
    Application->CreateForm(CreateFolderForm);
    Application->CreateForm(SelectFolderForm);
    Application->CreateForm(OpenDlg);
    Application->CreateForm(AutoTuneloDialog);
    Application->CreateForm(MessageDialog);
    Application->CreateForm(LoadProgressBar);
    Application->CreateForm(OpenSourceDlg);
    Application->CreateForm(About);
    Application->CreateForm(QuestionDialog);
}

} // namespace

int main(int argc, char** argv)
{
    if (!HasDisplay()) {
        std::fputs(NoDisplay, stderr);
        return 1;
    }
    qtHandler = qInstallMessageHandler(EndOnFatal);
    TApplication application(argc, argv);
    try {
        Application->Initialize();
        Application->SetHelpFile(FolderOf(Application->ExeName()) + "vesktunelo.hlp");
        Application->SetTitle("Vesk Tunelo");
        CreateWindows();
        Application->Run();
    } catch (const std::exception& failure) {
        Application->ShowException(failure.what());
    } catch (...) {
        Application->ShowException();
    }
    return 0;
}
