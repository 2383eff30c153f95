#include "framework/ShellTarget.h"

#include "framework/TextConversion.h"

#include <QByteArray>
#include <QRegularExpression>

#include <filesystem>
#include <system_error>

namespace {

// The file's own bytes, percent-encoded: a name that is not valid UTF-8 reaches the desktop
// as the file system has it, not as the text it shows as, which would name another file.
QUrl LocalFileAddress(const std::string& path)
{
    std::error_code ignored;
    const std::string absolute = std::filesystem::absolute(path, ignored).string();
    return QUrl::fromEncoded("file://" + QByteArray::fromStdString(absolute).toPercentEncoding("/"));
}

} // namespace

QUrl ShellTarget(const std::string& target)
{
    // Two letters at least, so that a drive letter ("C:") stays a path.
    static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]+:");
    const QString text = ToQt(target);
    if (scheme.match(text).hasMatch())
        return QUrl(text);
    return LocalFileAddress(target);
}
