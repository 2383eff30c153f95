#pragma once

#include <QUrl>

#include <string>

// A web address (anything that starts with a scheme such as "https:" or "mailto:") as it
// stands, any other text as the path of a local file, its bytes kept as they are.
QUrl ShellTarget(const std::string& target);
