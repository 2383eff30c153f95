#include "framework/TestHooks.h"

namespace {

std::optional<int> TakeAnswer(std::deque<int>& answers)
{
    if (answers.empty())
        return std::nullopt;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

std::optional<int> TestHooks::AnswerModal(TForm& form)
{
    if (auto answer = TakeAnswer(answers))
        return answer;
    if (modalHook)
        return modalHook(form);
    return std::nullopt;
}

std::optional<int> TestHooks::AnswerMessage(const std::string& text, const std::string& caption)
{
    if (auto answer = TakeAnswer(answers))
        return answer;
    if (messageHook)
        return messageHook(text, caption);
    return std::nullopt;
}

TestHooks& Hooks()
{
    static TestHooks hooks;
    return hooks;
}

void ResetHooks()
{
    Hooks() = TestHooks{};
}
