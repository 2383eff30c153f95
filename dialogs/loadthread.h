#pragma once

#include "framework/TThread.h"

#include <string>

class TAppForm;

// The start-up load. The list files are read on the worker; each of the four steps that
// touch the window or the model (sources, play lists, options, tool box) runs whole on
// the main thread, in that order, so the window stays usable in between.
class TLoadThread : public TThread {
public:
    explicit TLoadThread(TAppForm& form);

protected:
    void Execute() override;

private:
    // Names the running thread "LoadState" for a debugger.
    static void SetName();

    TAppForm& form_;
    // Taken on the main thread when the load starts; the worker reads no form field.
    const std::string folder_;
};
