#pragma once

#include "framework/TListBox.h"

#include <string>

// The files of one folder whose names match the mask, one per row. Only regular files
// are listed: a folder or a pipe named like a file is not one.
class TFileListBox : public TListBox {
public:
    explicit TFileListBox(TControl& parent);

    const std::string& Mask() const { return mask_; }
    // Patterns with * and ?, separated by ';', matched regardless of letter case.
    void SetMask(std::string mask);
    const std::string& Directory() const { return directory_; }
    void SetDirectory(std::string folder);
    // Reads the folder again: its files may have changed since.
    void Reread();
    // The selected row's file name; empty when none is selected.
    std::string FileName();

private:
    std::string mask_ = "*";
    std::string directory_;
};
