#pragma once

// loadthread: TLoadThread, the start-up load of the lists and the window settings.

#include "catalogue/PlayList.h"
#include "framework/TThread.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The lists of one kind read from the program's folder; nothing when the folder could
// not be listed.
using ReadLists = std::optional<std::vector<VT::PlayList>>;

// The four steps of the load that work on the main window, in the order they run.
struct LoadSteps {
    std::function<void(ReadLists sources)> LoadSources;
    std::function<void(ReadLists playLists)> LoadPlayLists;
    std::function<void()> LoadOptions;
    std::function<void()> LayoutToolBox;
};

// The list files are read on the worker; each step runs whole on the main thread, in
// order, so the window stays usable in between.
class TLoadThread : public TThread {
public:
    TLoadThread(std::string programFolder, LoadSteps steps);

protected:
    void Execute() override;

private:
    // Names the running thread "LoadState" for a debugger.
    static void SetName();

    // Taken on the main thread when the load starts; the worker reads no form field.
    const std::string folder_;
    const LoadSteps steps_;
};
