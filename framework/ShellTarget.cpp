#include "framework/ShellTarget.h"

#include "framework/TextConversion.h"

#include <QRegularExpression>

QUrl ShellTarget(const std::string& target)
{
    // Two letters at least, so that a drive letter ("C:") stays a path.
    static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]+:");
    const QString text = ToQt(target);
    if (scheme.match(text).hasMatch())
        return QUrl(text);
    return QUrl::fromLocalFile(text);
}
