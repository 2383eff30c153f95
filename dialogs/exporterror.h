#pragma once

// exporterror: the message of an M3U file that could not be written, the same for the
// Export command and for Create Folder.

#include "framework/TApplication.h"

#include <string>

inline void ShowExportError(const std::string& fileName)
{
    Application->MessageBox("Error Exporting " + fileName);
}
