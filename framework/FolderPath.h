#pragma once

#include "platform/Separator.h"

#include <string>

// A folder named by the user ends in a separator only when it is a root ("/"); paths
// built from it must not double that separator.
inline std::string WithSeparator(std::string folder)
{
    if (folder.empty() || !Platform::IsSeparator(folder.back()))
        folder += Platform::Separator;
    return folder;
}

inline std::string ChildPath(const std::string& folder, const std::string& name)
{
    return WithSeparator(folder) + name;
}
