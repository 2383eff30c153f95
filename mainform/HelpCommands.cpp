#include "mainform/Unit1.h"

#include "dialogs/aboutdlg.h"
#include "dialogs/messagebox.h"
#include "framework/HelpViewer.h"
#include "framework/Shell.h"
#include "framework/TApplication.h"
#include "mainform/ProgramFolder.h"
#include "platform/Descriptor.h"

namespace {

bool OpensForReading(const std::string& path)
{
    return Platform::OpenRegularFileForReading(path) != nullptr;
}

} // namespace

void TAppForm::HelpActionExecute()
{
    Application->SetHelpFile(ViewVars.ProgramFolder + HelpFileName);
    Application->HelpCommand(HELP_FINDER, 0);
}

void TAppForm::FAQActionExecute()
{
    OpenDocument("faq.pdf");
}

void TAppForm::UsersManualActionExecute()
{
    OpenDocument("help.pdf");
}

void TAppForm::OpenDocument(const std::string& name)
{
    const std::string path = ViewVars.ProgramFolder + name;
    if (OpensForReading(path))
        ShellOpen(path, SW_SHOWNORMAL);
    else
        MessageDialog->ShowMessage("Error: Could not find \"" + name + "\"");
}

void TAppForm::AboutActionExecute()
{
    About->ShowModal();
}

void TAppForm::Image5Click()
{
    OpenHomePage();
}

void TAppForm::OpenHomePage()
{
    ShellOpen("https://vesktunelo.example.org/", SW_SHOWNORMAL);
}
