#pragma once

#include "framework/TListBox.h"

#include <string>
#include <vector>

class TFileListBox;

// The folder tree of one drive: a row for the root and each folder down to the current
// one, then a row for each of its sub-folders, indented by depth. Folders are written
// without a final separator, except a root.
class TDirectoryListBox : public TListBox {
public:
    explicit TDirectoryListBox(TControl& parent);

    const std::string& Directory() const { return directory_; }
    // Opens the folder: lists its rows and shows its files in the tied file list. A
    // folder that cannot be listed shows no sub-folders and no files.
    void SetDirectory(const std::string& folder);
    // The row of the current folder.
    int CurrentRow() const { return currentRow_; }
    // The folder of a row; empty outside the rows.
    std::string GetItemPath(int row) const;
    // The file list that follows the current folder.
    void SetFileList(TFileListBox* list);

private:
    void AddRow(std::string path, const std::string& name, int depth);

    std::string directory_;
    std::vector<std::string> paths_;
    int currentRow_ = -1;
    TFileListBox* fileList_ = nullptr;
};
