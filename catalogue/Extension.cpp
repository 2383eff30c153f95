#include "catalogue/Extension.h"

namespace VT {

bool HasExtension(std::string_view name, std::string_view smallExtension)
{
    if (name.size() < smallExtension.size())
        return false;
    const std::string_view ending = name.substr(name.size() - smallExtension.size());
    if (ending == smallExtension)
        return true;
    for (std::size_t i = 0; i < ending.size(); ++i) {
        const char small = smallExtension[i];
        const char capital = small >= 'a' && small <= 'z' ? static_cast<char>(small - 'a' + 'A') : small;
        if (ending[i] != capital)
            return false;
    }
    return true;
}

} // namespace VT
