#include "catalogue/ListPtr.h"

namespace VT {

PlayList& ListPtr::Edit() const
{
    std::shared_ptr<PlayList>& list = node().list;
    if (list.use_count() > 1)
        list = std::make_shared<PlayList>(*list);
    list->ForgetFile();
    return *list;
}

} // namespace VT
