// loadthread: TLoadThread, the start-up load of the lists and the window settings.

#include "dialogs/loadthread.h"

#include "catalogue/Exceptions.h"
#include "catalogue/Manager.h"

#if defined(__linux__)
#include <pthread.h>
#endif

namespace {

// A folder that cannot be listed gives nothing, which the adding step reports.
ReadLists ReadListFiles(std::vector<VT::PlayList> (*read)(const std::string&), const std::string& folder)
{
    try {
        return read(folder);
    } catch (const VT::invalid_directory&) {
        return std::nullopt;
    }
}

} // namespace

TLoadThread::TLoadThread(std::string programFolder, LoadSteps steps)
    : folder_(std::move(programFolder))
    , steps_(std::move(steps))
{
}

void TLoadThread::SetName()
{
#if defined(__linux__)
    pthread_setname_np(pthread_self(), "LoadState");
#endif
}

void TLoadThread::Execute()
{
    SetName();
    ReadLists sources = ReadListFiles(&VT::Manager::ReadSourceFiles, folder_);
    Synchronize([&] { steps_.LoadSources(std::move(sources)); });
    ReadLists playLists = ReadListFiles(&VT::Manager::ReadPlayListFiles, folder_);
    Synchronize([&] { steps_.LoadPlayLists(std::move(playLists)); });
    Synchronize(steps_.LoadOptions);
    Synchronize(steps_.LayoutToolBox);
}
