// Adding a source folder: the source dialog, the scan on a worker, the progress window.

#include "mainform/Unit1.h"

#include "dialogs/addsourcethread.h"
#include "dialogs/loadprogressbarform.h"
#include "dialogs/messagebox.h"
#include "dialogs/opensourcedialog.h"
#include "framework/TThread.h"

void TAppForm::AddSourceClick()
{
    AddSource();
}

void TAppForm::AddSource()
{
    if (OpenSourceDlg->ShowModal() != mrOk)
        return;
    const std::string folder = OpenSourceDlg->GetFolder();
    ShowLoadProgress(folder);
    new AddSourceThread(folder, [this](const std::string& scanned) { AddLoadedSource(scanned); });
}

void TAppForm::ShowLoadProgress(const std::string& folder)
{
    LoadProgressBar->StartFolder(folder);
    SetEnabled(false);
}

void TAppForm::HideLoadProgress()
{
    LoadProgressBar->Finish();
    SetEnabled(true);
}

void TAppForm::AddLoadedSource(const std::string& folder)
{
    try {
        VT::PlayList scanned = VT::Manager::ScanSource(folder, [this](std::string name, std::int32_t done, std::int32_t total) {
            return ReportLoadProgress(name, done, total);
        });
        TThread::Synchronize([&] {
            std::vector<VT::PlayList> added;
            added.push_back(std::move(scanned));
            const VT::ListPtr source = Model.AddLoadedSources(std::move(added)).front();
            // A source without songs stays in the model but gets no row.
            if (!source->songs.empty())
                AppendSource(source);
        });
    } catch (const VT::invalid_directory&) {
        TThread::Synchronize([] { MessageDialog->ShowMessage("There was an error loading the source"); });
    } catch (const VT::cancel_opendir&) {
        // Cancelled by the user, who needs no message.
    } catch (const std::exception&) {
        // Any other failure still ends with the window enabled again.
    }
    TThread::Synchronize([this] { HideLoadProgress(); });
}

bool TAppForm::ReportLoadProgress(const std::string& name, std::int32_t done, std::int32_t total)
{
    if (done % 10 != 0)
        loadReports_.Add(name, done, total);
    return LoadProgressBar->Cancelled != 0;
}

void TAppForm::ShowLoadReport(const LoadProgressReports::Report& report)
{
    LoadProgressBar->ShowProgress(report.name, report.done, report.total, report.count);
}
