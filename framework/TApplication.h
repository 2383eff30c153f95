#pragma once

#include "framework/TForm.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QApplication;
class QObject;
class TActionList;
class THelpViewer;

// The application object: the forms, the message loop, the message boxes and the
// hint timings. One exists while the program runs, reached through `Application`.
class TApplication {
public:
    // Uses the running QApplication when there is one, else makes its own; without a
    // display to open, the program ends there (see OpenDisplay).
    TApplication(int& argc, char** argv);
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;
    ~TApplication();

    // Sets up the message loop's services: idle processing and tool-tip timing.
    void Initialize();

    // Makes a form that lives until the application ends; the first is the main form.
    template <class T>
    void CreateForm(T*& reference)
    {
        auto form = std::make_unique<T>();
        reference = form.get();
        AddForm(std::move(form));
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and handles events until it has closed.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles the events that are waiting, then returns.
    void ProcessMessages();
    // The work the application does whenever it has handled all events: the update
    // handlers of every action list, then OnIdle.
    void Idle();
    std::function<void()> OnIdle;
    void AddActionList(TActionList& list);
    void RemoveActionList(const TActionList& list);

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(std::string helpFile) { helpFile_ = std::move(helpFile); }
    // A command of the help system: HELP_FINDER opens the help file at its contents in
    // the help viewer, which reports a file it cannot read. Other commands are not
    // known; false for them and for a file that could not be shown.
    bool HelpCommand(int command, std::intptr_t data);
    // The full path of the program's executable.
    std::string ExeName() const;

    // Milliseconds before a hint shows, before the next one shows while one is showing
    // (Qt shows it at once), and before a shown hint hides.
    int HintPause() const { return hintPause_; }
    void SetHintPause(int milliseconds) { hintPause_ = milliseconds; }
    int HintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(int milliseconds) { hintShortPause_ = milliseconds; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int milliseconds) { hintHidePause_ = milliseconds; }

    // A modal box with the information icon and one OK button; returns 1. An empty
    // caption shows the application's title.
    int MessageBox(const std::string& text, const std::string& caption = {});
    // The box for a failure that nothing else handled.
    void ShowException(const std::string& message = {});

    // Frees a form the application made, once its current event is handled.
    void Release(TForm& form);

private:
    void AddForm(std::unique_ptr<TForm> form);
    void FreeForm(const TForm* form);
    int ShowBox(int icon, const std::string& text, const std::string& caption);

    std::unique_ptr<QApplication> ownApplication_;
    std::unique_ptr<QObject> context_;
    std::vector<std::unique_ptr<TForm>> forms_;
    std::vector<TActionList*> actionLists_;
    TForm* mainForm_ = nullptr;
    bool running_ = false;
    bool terminated_ = false;
    bool idling_ = false;
    std::string title_;
    std::string helpFile_;
    std::unique_ptr<THelpViewer> helpViewer_;
    int hintPause_ = 500;
    int hintShortPause_ = 50;
    int hintHidePause_ = 2500;
};

extern TApplication* Application;
