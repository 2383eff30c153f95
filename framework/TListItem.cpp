#include "framework/TListItem.h"

std::string TListItem::ColumnText(int column) const
{
    if (column == 0)
        return caption_;
    const auto sub = static_cast<size_t>(column - 1);
    return column > 0 && sub < subItems_.size() ? subItems_[sub] : std::string();
}
