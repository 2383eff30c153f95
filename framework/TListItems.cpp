#include "framework/TListItems.h"

#include "framework/TListView.h"

int TListItems::Count() const
{
    return view_.RowCount();
}

void TListItems::SetCount(int count)
{
    view_.SetRowCount(count);
}

TListItem TListItems::Item(int index) const
{
    return view_.Fetch(index);
}

void TListItems::BeginUpdate()
{
    view_.SetUpdating(true);
}

void TListItems::EndUpdate()
{
    view_.SetUpdating(false);
}
