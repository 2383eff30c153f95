#include "framework/TListColumns.h"

#include "framework/TListView.h"

#include <stdexcept>

TListColumn& TListColumns::operator[](int index) const
{
    if (index < 0 || index >= Count())
        throw std::out_of_range("List index out of bounds");
    return *columns_[static_cast<size_t>(index)];
}

TListColumn& TListColumns::Add()
{
    const int index = Count();
    view_.InsertColumn(index, [&] { columns_.push_back(std::make_unique<TListColumn>(view_, index)); });
    return *columns_.back();
}
