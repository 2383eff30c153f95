#pragma once

#include "framework/TListItem.h"

class TListView;

// The rows of a list view: only their number, the texts come from OnData.
class TListItems {
public:
    explicit TListItems(TListView& view) : view_(view) {}

    int Count() const;
    void SetCount(int count);
    // The row's texts, asked of OnData now.
    TListItem Item(int index) const;
    // Changes between the two show at once at the end.
    void BeginUpdate();
    void EndUpdate();

private:
    TListView& view_;
};
