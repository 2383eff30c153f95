// foldercreatethread: FolderCreateThread, the copy of a play list's songs into a folder.

#include "dialogs/foldercreatethread.h"

#include "dialogs/copysongfile.h"
#include "dialogs/foldercreate.h"
#include "platform/Folders.h"
#include "platform/WholeFile.h"

FolderCreateThread::FolderCreateThread(TCreateFolderForm& form, std::vector<VT::Song> songs, std::string folder,
                                       bool folderCreated)
    : form_(form)
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
    TThread::Synchronize([&] { cancelled = form_.CancelRequested != 0; });
    if (cancelled)
        RollBack();
    TThread::Synchronize([&] { form_.EndRun(cancelled, notCopied); });
}

int FolderCreateThread::CopySongs()
{
    const int count = static_cast<int>(songs_.size());
    int notCopied = 0;
    for (int song = 0; song < count && form_.CancelRequested == 0; ++song) {
        const std::string name(songs_[song].GetFileName());
        if (CopySongFile(songs_[song].GetFullFileName(), folder_ + name, written_.contains(name)))
            written_.insert(name);
        else
            ++notCopied;
        TThread::Queue([&form = form_, song, count] { form.ShowCopyProgress(song, count); });
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
        TThread::Queue([&form = form_, position = count - song] { form.ProgressBar->SetPosition(position); });
    }
    // A folder that stood there before the run stays, even when it ends up empty.
    if (folderCreated_)
        Platform::RemoveEmptyFolder(folder_);
}
