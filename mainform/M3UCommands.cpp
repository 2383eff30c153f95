#include "mainform/Unit1.h"

#include "dialogs/exporterror.h"
#include "dialogs/messagebox.h"
#include "dialogs/opendialog.h"
#include "platform/Separator.h"

#include <string>

namespace {

const std::string WhereSongsAreSought =
    " in the list of folders under \"Your Music\", or the directory containing the M3U play list file. Please add "
    "the appropriate MP3 folders to \"Your Music\" using the \"Find\" button.";

} // namespace

void TAppForm::ImportActionExecute()
{
    if (OpenDlg->Execute("Import Play List", "*.m3u", TOpenDlg::OpenMode) != mrOk)
        return;
    // The name typed may hold folders: the songs lie beside the file it names.
    const std::string path = OpenDlg->FilePath();
    VT::MP3Song reading;
    int lineCount = 0;
    VT::ListPtr imported;
    try {
        imported = Model.ImportM3U(path, Platform::FolderOf(path), reading, lineCount,
                                   [this](const std::string& name) { return MakeUniqueListName(name); });
    } catch (const VT::invalid_file&) {
        MessageDialog->ShowMessage("Error Importing " + OpenDlg->FileName
                                   + ". The file may be corrupt or may not be a M3U file");
        return;
    } catch (const VT::import_error&) {
        MessageDialog->ShowMessage("No songs specified in the M3U play list were found" + WhereSongsAreSought
                                   + " Vesk Tunelo must find at least one MP3 song specified in the M3U play "
                                     "list before a play list can be imported.");
        return;
    }
    AddPlayListEntry(imported);
    const auto missing = lineCount - static_cast<std::int64_t>(imported->songs.size());
    if (missing > 0)
        MessageDialog->ShowMessage("There are " + std::to_string(missing)
                                   + " songs specified in the M3U play list were not found" + WhereSongsAreSought);
    SelectPlayList(FindPlayListInfo(imported->GetName()));
}

void TAppForm::ExportActionExecute()
{
    if (Model.GetMode() != VT::Manager::PlayListShown)
        return;
    const VT::ListPtr shown = Model.GetSelected();
    if (OpenDlg->Execute("Export Play List", shown->GetName() + ".m3u", TOpenDlg::SaveMode) != mrOk)
        return;
    try {
        Model.ExportM3U(OpenDlg->FilePath(), shown, OpenDlg->FullPath->Checked());
    } catch (const VT::invalid_file&) {
        ShowExportError(OpenDlg->FileName);
    }
}
