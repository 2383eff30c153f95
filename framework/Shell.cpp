#include "framework/Shell.h"

#include "framework/ShellTarget.h"
#include "framework/TestHooks.h"

#include <QDesktopServices>

bool ShellOpen(const std::string& target, TShowMode)
{
    if (Hooks().recordShellOpens) {
        Hooks().shellOpens.push_back(target);
        return true;
    }
    return QDesktopServices::openUrl(ShellTarget(target));
}
