#pragma once

// foldercreatethread: FolderCreateThread, the copy of a play list's songs into a folder.

#include "catalogue/Song.h"
#include "framework/TThread.h"

#include <set>
#include <string>
#include <vector>

class TCreateFolderForm;

// Copies each song's file on the worker, hands every step on the dialog to the main
// thread, and after a Cancel deletes what the run wrote.
class FolderCreateThread : public TThread {
public:
    // Taken on the main thread when the run starts, so that the worker reads no form
    // field but the cancel flag. `folder` ends in its separator; `folderCreated` says
    // that this run made it.
    FolderCreateThread(TCreateFolderForm& form, std::vector<VT::Song> songs, std::string folder, bool folderCreated);

protected:
    void Execute() override;

private:
    // Returns the number of songs that could not be copied.
    int CopySongs();
    void RollBack();

    TCreateFolderForm& form_;
    const std::vector<VT::Song> songs_;
    const std::string folder_;
    const bool folderCreated_;
    // The names under which this run wrote a file into the folder.
    std::set<std::string> written_;
};
