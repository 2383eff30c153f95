#include "mainform/SongReorder.h"

#include <algorithm>

SongReorder PlanSongReorder(const std::vector<int>& selectedRows, int targetRow, int rowCount)
{
    const bool anyAbove =
        std::any_of(selectedRows.begin(), selectedRows.end(), [targetRow](int row) { return row < targetRow; });
    if (!anyAbove)
        return {.beforeRow = targetRow};
    if (targetRow + 1 < rowCount)
        return {.beforeRow = targetRow + 1};
    return {.beforeRow = rowCount, .appended = true};
}
