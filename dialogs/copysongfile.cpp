// copysongfile: CopySongFile, the copy of one song's file into the Create Folder destination.

#include "dialogs/copysongfile.h"

#include "platform/FileCopy.h"
#include "platform/FolderListing.h"

bool CopySongFile(const std::string& source, const std::string& destination, bool writtenByThisRun)
{
    if (!writtenByThisRun)
        return Platform::CopyToNewFile(source, destination);
    // The earlier copy stays until the later song's own copy is whole.
    return !Platform::IsSameFile(source, destination) && Platform::ReplaceWithCopy(source, destination);
}
