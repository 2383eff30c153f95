#pragma once

// loadprogressbarform: TLoadProgressBar, the progress window of a folder scan.

#include "framework/TForm.h"
#include "framework/TLabel.h"
#include "framework/TProgressBar.h"
#include "framework/TSpeedButton.h"

#include <atomic>
#include <cstdint>
#include <string>

class TLoadProgressBar : public TForm {
public:
    TLoadProgressBar();

    // Names the folder, puts the bar at its start, clears the flag and shows the window.
    void StartFolder(const std::string& folder);
    // One report of the scan: the entry about to be read, the songs added so far and all
    // entries of the folder. Reports merged on their way count once each on the bar.
    void ShowProgress(const std::string& name, int done, int total, int reports = 1);
    void Finish();
    void CancelClick();

    // Set by Cancel on the main thread, read by the scan on its worker.
    std::atomic<std::uint8_t> Cancelled = 0;

    TLabel* LoadLabel = nullptr;
    TLabel* PathLabel = nullptr;
    TProgressBar* ProgressBar = nullptr;
    TLabel* InfoLabel = nullptr;
    TLabel* InfoLabel2 = nullptr;
    TSpeedButton* Cancel = nullptr;
};

extern TLoadProgressBar* LoadProgressBar;
