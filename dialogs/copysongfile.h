#pragma once

// copysongfile: CopySongFile, the copy of one song's file into the Create Folder destination.

#include <string>

// Copies the song's file; false when it was not copied. Nothing at the destination is
// touched when the source cannot be read, and a file that stood there before the run is
// never written into. One that this run wrote there (`writtenByThisRun`) gives way to the
// later song of the same name once that song's copy is whole, unless it is that song's own file.
bool CopySongFile(const std::string& source, const std::string& destination, bool writtenByThisRun);
