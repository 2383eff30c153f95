#pragma once

#include <vector>

// Where songs dragged inside the song view go, counted in rows of the view.
struct SongReorder {
    // The row whose song the moved songs go before; the row count for the end of the list.
    int beforeRow = 0;
    // Dropped downward on the last row: the songs are removed, then appended, as two
    // undo steps.
    bool appended = false;
};

// `selectedRows` top to bottom, `targetRow` the row dropped on, of `rowCount` rows. Songs
// dragged upward go before the target; dragged downward, after it.
SongReorder PlanSongReorder(const std::vector<int>& selectedRows, int targetRow, int rowCount);
