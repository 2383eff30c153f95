// foldercreatethread: FolderCreateThread, the copy of a play list's songs into a folder.

#include "dialogs/foldercreatethread.h"

#include "dialogs/copysongfile.h"
#include "platform/Folders.h"
#include "platform/WholeFile.h"

#include <utility>

FolderCreateThread::FolderCreateThread(CopySteps steps, std::vector<VT::Song> songs, std::string folder,
                                       bool folderCreated)
    : steps_(std::move(steps))
    , songs_(std::move(songs))
    , folder_(std::move(folder))
    , folderCreated_(folderCreated)
{
}

void FolderCreateThread::Execute()
{
    const int notCopied = CopySongs();
    // Read where Cancel is answered, after every progress step handed over before: a
    // click that the dialog answered while the last song was copied still counts.
    bool cancelled = false;
    TThread::Synchronize([&] { cancelled = steps_.CancelRequested(); });
    if (cancelled)
        RollBack();
    TThread::Synchronize([&] { steps_.EndRun(cancelled, notCopied); });
}

int FolderCreateThread::CopySongs()
{
    const int count = static_cast<int>(songs_.size());
    int notCopied = 0;
    for (int song = 0; song < count && !steps_.CancelRequested(); ++song) {
        const std::string name(songs_[song].GetFileName());
        if (CopySongFile(songs_[song].GetFullFileName(), folder_ + name, written_.contains(name)))
            written_.insert(name);
        else
            ++notCopied;
        TThread::Queue([show = steps_.ShowCopyProgress, song, count] { show(song, count); });
    }
    return notCopied;
}

void FolderCreateThread::RollBack()
{
    const int count = static_cast<int>(songs_.size());
    for (int song = 0; song < count; ++song) {
        const std::string name(songs_[song].GetFileName());
        if (written_.erase(name) > 0)
            Platform::DeleteFile(folder_ + name);
        TThread::Queue([show = steps_.ShowRollBack, position = count - song] { show(position); });
    }
    // A folder that stood there before the run stays, even when it ends up empty.
    if (folderCreated_)
        Platform::RemoveEmptyFolder(folder_);
}
