#pragma once

#include "framework/TListColumn.h"

#include <memory>
#include <vector>

class TListView;

class TListColumns {
public:
    explicit TListColumns(TListView& view) : view_(view) {}

    int Count() const { return static_cast<int>(columns_.size()); }
    // Throws std::out_of_range for an index outside the columns.
    TListColumn& operator[](int index) const;
    // A new last column.
    TListColumn& Add();

private:
    TListView& view_;
    std::vector<std::unique_ptr<TListColumn>> columns_;
};
