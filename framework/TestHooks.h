#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TForm;

// What tests put in place of the desktop: answers to modal windows and message boxes,
// a record of shell opens, and what ends the process at exit. Set through Testing.h;
// each new application starts with none of them.
struct TestHooks {
    std::deque<int> answers;
    std::function<int(TForm&)> modalHook;
    std::function<int(const std::string& text, const std::string& caption)> messageHook;
    bool recordShellOpens = false;
    std::vector<std::string> shellOpens;
    std::function<void()> endProcess;

    std::optional<int> AnswerModal(TForm& form);
    std::optional<int> AnswerMessage(const std::string& text, const std::string& caption);
};

TestHooks& Hooks();
void ResetHooks();
