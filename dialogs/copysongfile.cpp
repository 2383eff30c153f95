// copysongfile: CopySongFile, the copy of one song's file into the Create Folder destination.

#include "dialogs/copysongfile.h"

#include "platform/FileCopy.h"
#include "platform/FolderListing.h"
#include "platform/WholeFile.h"

bool CopySongFile(const std::string& source, const std::string& destination, bool writtenByThisRun)
{
    if (writtenByThisRun) {
        if (Platform::IsSameFile(source, destination))
            return false;
        Platform::DeleteFile(destination);
    }
    return Platform::CopyToNewFile(source, destination);
}
