#include "mainform/ProgramFolder.h"

#include "platform/Separator.h"

std::string FolderOf(const std::string& path)
{
    const std::size_t separator = Platform::LastSeparator(path, 0, path.size());
    if (separator == std::string::npos)
        return {};
    return path.substr(0, separator) + Platform::Separator;
}
