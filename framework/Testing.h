#pragma once

#include <functional>
#include <string>
#include <vector>

class TForm;
class TTimer;

// What tests use to keep the windows deterministic. Every new application starts
// without answers, hooks or records.
namespace Testing {

// The next modal form or message box returns this result without being shown.
// Answers are used in the order given, before any hook.
void QueueAnswer(int result);
// Answers every modal form that no queued answer took; the hook may read and fill
// the form's controls before it returns the result.
void SetModalHook(std::function<int(TForm& form)> hook);
// Answers every message box that no queued answer took.
void SetMessageHook(std::function<int(const std::string& text, const std::string& caption)> hook);

// Shell opens are recorded instead of launching programs.
void RecordShellOpens();
const std::vector<std::string>& ShellOpens();

// One tick of the timer, as if its interval had passed; nothing when it is disabled.
void FireTimer(TTimer& timer);
// Handles waiting events, then runs the application's idle processing.
void ProcessIdle();
// Handles events until every worker has ended.
void WaitForWorkers();
// Replaces ending the process when the application goes while workers still run.
void SetProcessEnd(std::function<void()> end);

} // namespace Testing
