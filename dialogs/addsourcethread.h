#pragma once

// addsourcethread: AddSourceThread, the scan of a music folder chosen by the user.

#include "framework/TThread.h"

#include <functional>
#include <string>

class AddSourceThread : public TThread {
public:
    // `addLoadedSource` scans the folder, ending in its separator, and adds the source.
    AddSourceThread(std::string folder, std::function<void(const std::string& folder)> addLoadedSource);

protected:
    void Execute() override;

private:
    // Taken on the main thread when the scan starts; the worker reads no form field.
    const std::string folder_;
    const std::function<void(const std::string&)> addLoadedSource_;
};
