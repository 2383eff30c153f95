#pragma once

#include "catalogue/ListPtr.h"
#include "mainform/FilterValues.h"

#include <string>

// The main window's record of one source or play list, one per row of its pane.
struct ListInfo {
    VT::ListPtr Handle;
    std::string Name;
    VT::FilterValues SearchState;
};
