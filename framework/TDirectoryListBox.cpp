#include "framework/TDirectoryListBox.h"

#include "framework/FileSystemNames.h"
#include "framework/FolderPath.h"
#include "framework/TFileListBox.h"
#include "platform/Separator.h"

namespace {

// "/home/me/" and "/home/me" are one folder; the root keeps its separator.
std::string WithoutSeparator(std::string folder)
{
    while (folder.size() > 1 && Platform::IsSeparator(folder.back()))
        folder.pop_back();
    return folder;
}

} // namespace

TDirectoryListBox::TDirectoryListBox(TControl& parent)
    : TListBox(parent)
{
}

void TDirectoryListBox::SetDirectory(const std::string& folder)
{
    directory_ = WithoutSeparator(folder);
    Items().Clear();
    paths_.clear();
    // The root, then each level down to the current folder.
    std::size_t end = directory_.find_first_of(Platform::Separators);
    AddRow(directory_.substr(0, end + 1), directory_.substr(0, end + 1), 0);
    int depth = 0;
    while (end != std::string::npos && end + 1 < directory_.size()) {
        const std::size_t next = directory_.find_first_of(Platform::Separators, end + 1);
        const std::string path = directory_.substr(0, next);
        AddRow(path, path.substr(end + 1), ++depth);
        end = next;
    }
    currentRow_ = Items().Count() - 1;
    for (const std::string& name : SubFolderNames(directory_))
        AddRow(ChildPath(directory_, name), name, depth + 1);
    SetItemIndex(currentRow_);
    if (fileList_)
        fileList_->SetDirectory(directory_);
}

void TDirectoryListBox::AddRow(std::string path, const std::string& name, int depth)
{
    Items().Add(std::string(2 * static_cast<std::size_t>(depth), ' ') + name);
    paths_.push_back(std::move(path));
}

std::string TDirectoryListBox::GetItemPath(int row) const
{
    return row >= 0 && row < static_cast<int>(paths_.size()) ? paths_[row] : std::string();
}

void TDirectoryListBox::SetFileList(TFileListBox* list)
{
    fileList_ = list;
    if (fileList_)
        fileList_->SetDirectory(directory_);
}
