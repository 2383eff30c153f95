// addsourcethread: AddSourceThread, the scan of a music folder chosen by the user.

#include "dialogs/addsourcethread.h"

#include "framework/FolderPath.h"

AddSourceThread::AddSourceThread(std::string folder, std::function<void(const std::string&)> addLoadedSource)
    : folder_(std::move(folder))
    , addLoadedSource_(std::move(addLoadedSource))
{
}

void AddSourceThread::Execute()
{
    addLoadedSource_(WithSeparator(folder_));
}
