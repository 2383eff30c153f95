#pragma once

#include "framework/TListBox.h"

#include <string>
#include <vector>

// The rows of a list box as it shows them.
inline std::vector<std::string> Rows(TListBox& box)
{
    std::vector<std::string> rows;
    for (int row = 0; row < box.Items().Count(); ++row)
        rows.push_back(box.Items()[row]);
    return rows;
}
