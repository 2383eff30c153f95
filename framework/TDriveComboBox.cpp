#include "framework/TDriveComboBox.h"

#include "framework/TDirectoryListBox.h"
#include "framework/TextConversion.h"

#include <QStorageInfo>

#include <algorithm>
#include <vector>

namespace {

std::vector<std::string> VolumeRoots()
{
    std::vector<std::string> roots{"/"};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        std::string root = FromQt(volume.rootPath());
        if (volume.isValid() && volume.isReady() && std::find(roots.begin(), roots.end(), root) == roots.end())
            roots.push_back(std::move(root));
    }
    std::sort(roots.begin() + 1, roots.end());
    return roots;
}

bool Holds(const std::string& root, const std::string& folder)
{
    return folder.compare(0, root.size(), root) == 0
        && (root.back() == '/' || folder.size() == root.size() || folder[root.size()] == '/');
}

} // namespace

TDriveComboBox::TDriveComboBox(TControl& parent)
    : TComboBox(parent)
{
    SetStyle(csDropDownList);
    for (std::string& root : VolumeRoots())
        Items().Add(std::move(root));
    SetItemIndex(0);
    OnSelect = [this] { DriveChosen(); };
}

void TDriveComboBox::ShowDriveOf(const std::string& folder)
{
    int best = 0;
    for (int i = 1; i < Items().Count(); ++i) {
        if (Holds(Items()[i], folder) && Items()[i].size() > Items()[best].size())
            best = i;
    }
    SetItemIndex(best);
}

void TDriveComboBox::DriveChosen()
{
    if (dirList_)
        dirList_->SetDirectory(Drive());
    if (OnChange)
        OnChange();
}
