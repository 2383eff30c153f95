#include "framework/TListColumn.h"

#include "framework/TListView.h"

#include <algorithm>

void TListColumn::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    view_.ColumnChanged(index_);
}

void TListColumn::SetWidth(int width)
{
    width_ = Bounded(width);
    view_.ColumnChanged(index_);
}

void TListColumn::SetMinWidth(int width)
{
    minWidth_ = width;
    SetWidth(width_);
}

void TListColumn::SetMaxWidth(int width)
{
    maxWidth_ = width;
    SetWidth(width_);
}

int TListColumn::Bounded(int width) const
{
    width = std::max({width, minWidth_, 0});
    return maxWidth_ > 0 ? std::min(width, maxWidth_) : width;
}
