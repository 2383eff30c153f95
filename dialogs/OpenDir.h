#pragma once

// OpenDir: TOpenDirectory, a folder picker made of Qt's own file dialog, and
// TImplOpenDirectory, the state of one run of it. No window of the program uses it.

#include "framework/TComponent.h"

#include <functional>
#include <memory>
#include <string>

class QFileDialog;
class TOpenDirectory;

// One picker's dialog of the current run and what the run has learnt so far.
class TImplOpenDirectory {
public:
    explicit TImplOpenDirectory(TOpenDirectory& owner) : Owner(owner) {}

    // Runs the dialog modally; true when it was accepted.
    bool Run(QFileDialog& dialog);

    // The dialog has been shown; the file-type controls, which mean nothing to a folder
    // picker, are hidden.
    void DialogShow();
    void DialogClose();
    // The dialog entered the folder.
    void DialogFolderChange(const std::string& folder);
    // A single click on a folder chooses it without entering it.
    void ListViewClick(const std::string& path);

    TOpenDirectory& Owner;
    // The dialog of the current run; none between runs.
    QFileDialog* Dialog = nullptr;
    bool Accepted = false;
    // The folder the dialog stands in.
    std::string CurrentFolder;
};

class TOpenDirectory : public TComponent {
public:
    TOpenDirectory();
    ~TOpenDirectory() override;

    bool EnableSizing() const { return enableSizing_; }
    void SetEnableSizing(bool enableSizing) { enableSizing_ = enableSizing; }
    // False: a successful run makes the chosen folder the process's current folder.
    bool NoChangeDir() const { return noChangeDir_; }
    void SetNoChangeDir(bool noChangeDir) { noChangeDir_ = noChangeDir; }
    // The dialog's caption; empty leaves Qt's own.
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // Shows the dialog modally, starting in InitialDir (the process's current folder when
    // empty); true when a folder was chosen, then named by Directory.
    bool Execute();

    using TNotifyEvent = std::function<void(TImplOpenDirectory& sender)>;
    TNotifyEvent OnClose;
    TNotifyEvent OnFolderChange;
    // Once the dialog shows and is ready for input.
    TNotifyEvent OnShow;

    std::string Directory;
    std::string InitialDir;
    // A folder's network name where it differs from Directory. The file systems of this
    // platform name a shared folder by its mount point, so it stays empty.
    std::string NetworkDirectory;

private:
    std::unique_ptr<TImplOpenDirectory> impl_;
    bool enableSizing_ = true;
    bool noChangeDir_ = false;
    std::string title_;
};
