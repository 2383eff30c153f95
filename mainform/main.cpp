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
#include "platform/FolderLock.h"
#include "platform/Separator.h"

#include <exception>
#include <string>

namespace {

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
    TApplication application(argc, argv);
    try {
        Application->Initialize();
        const std::string programFolder = Platform::FolderOf(Application->ExeName());
        Application->SetHelpFile(programFolder + HelpFileName);
        Application->SetTitle("Vesk Tunelo");
        const Platform::FolderLock lock(programFolder);
        if (!TakeProgramFolder(lock, programFolder))
            return 0;
        CreateWindows();
        Application->Run();
    } catch (const std::exception& failure) {
        Application->ShowException(failure.what());
    } catch (...) {
        Application->ShowException();
    }
    return 0;
}
