#include "dialogs/loadthread.h"

#include "catalogue/Catalogue.h"
#include "mainform/Unit1.h"

#include <optional>
#include <vector>

#if defined(__linux__)
#include <pthread.h>
#endif

namespace {

using ListFiles = std::optional<std::vector<VT::PlayList>>;

// The lists of one kind in the folder; nothing when the folder cannot be listed, which
// the adding step reports.
ListFiles ReadLists(std::vector<VT::PlayList> (*read)(const std::string&), const std::string& folder)
{
    try {
        return read(folder);
    } catch (const VT::invalid_directory&) {
        return std::nullopt;
    }
}

} // namespace

TLoadThread::TLoadThread(TAppForm& form)
    : form_(form)
    , folder_(form.ViewVars.ProgramFolder)
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
    ListFiles sources = ReadLists(&VT::Manager::ReadSourceFiles, folder_);
    Synchronize([&] { form_.LoadSources(std::move(sources)); });
    ListFiles playLists = ReadLists(&VT::Manager::ReadPlayListFiles, folder_);
    Synchronize([&] { form_.LoadPlayLists(std::move(playLists)); });
    Synchronize([this] { form_.LoadOptions(); });
    Synchronize([this] { form_.LayoutToolBox(); });
}
