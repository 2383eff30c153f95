#pragma once

// foldercreatethread: FolderCreateThread, the copy of a play list's songs into a folder.

#include "catalogue/Song.h"
#include "framework/TThread.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

// What the copy has the Create Folder dialog do: each step on the main thread, but the
// question whether Cancel was pressed, which the worker asks before each song.
struct CopySteps {
    std::function<bool()> CancelRequested;
    // After the song of this index, of `count`, was copied or skipped.
    std::function<void(int song, int count)> ShowCopyProgress;
    // The bar while a cancelled run deletes its files.
    std::function<void(int position)> ShowRollBack;
    // Last, on every path.
    std::function<void(bool cancelled, int notCopied)> EndRun;
};

// Copies each song's file on the worker, hands every step on the dialog to the main
// thread, and after a Cancel deletes what the run wrote.
class FolderCreateThread : public TThread {
public:
    // Taken on the main thread when the run starts, so that the worker reads no form
    // field. `folder` ends in its separator; `folderCreated` says that this run made it.
    FolderCreateThread(CopySteps steps, std::vector<VT::Song> songs, std::string folder, bool folderCreated);

protected:
    void Execute() override;

private:
    // Returns the number of songs that could not be copied.
    int CopySongs();
    void RollBack();

    const CopySteps steps_;
    const std::vector<VT::Song> songs_;
    const std::string folder_;
    const bool folderCreated_;
    // The names under which this run wrote a file into the folder.
    std::set<std::string> written_;
};
