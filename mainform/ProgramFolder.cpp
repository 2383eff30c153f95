#include "mainform/ProgramFolder.h"

#include "framework/TApplication.h"
#include "platform/FolderLock.h"
#include "platform/TemporaryFiles.h"

// Where the folder cannot be locked, a file that a running save is writing cannot be told
// from one a killed save left, so none is removed.
bool TakeProgramFolder(const Platform::FolderLock& lock, const std::string& folder)
{
    if (lock.GetState() == Platform::FolderLock::State::HeldElsewhere) {
        Application->MessageBox("Vesk Tunelo is already running.");
        return false;
    }
    if (lock.GetState() == Platform::FolderLock::State::Held)
        Platform::RemoveTemporaryFiles(folder);
    return true;
}
