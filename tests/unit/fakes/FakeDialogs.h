#pragma once
// Message boxes that answer as told and remember what they showed.

#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace zorbel::fakes {

class FakeDialogs : public platform::Dialogs {
public:
    struct Shown {
        std::string kind;  // "question", "exclamation", "information" or "abort/retry/ignore"
        std::string prompt;
        std::string title;
    };

    bool AskYesNo(std::string_view utf8Prompt, std::string_view utf8Title) override {
        shown.push_back({"question", std::string(utf8Prompt), std::string(utf8Title)});
        return answerYes;
    }
    void ShowMessage(platform::MessageIcon icon, std::string_view utf8Prompt, std::string_view utf8Title) override {
        shown.push_back({icon == platform::MessageIcon::Exclamation ? "exclamation" : "information",
                         std::string(utf8Prompt), std::string(utf8Title)});
    }

    platform::ErrorAnswer AskAbortRetryIgnore(std::string_view utf8Prompt, std::string_view utf8Title) override {
        shown.push_back({"abort/retry/ignore", std::string(utf8Prompt), std::string(utf8Title)});
        const auto answer = errorAnswers.empty() ? platform::ErrorAnswer::Abort : errorAnswers.front();
        if (!errorAnswers.empty()) errorAnswers.erase(errorAnswers.begin());
        return answer;
    }

    std::vector<Shown> shown;
    std::vector<platform::ErrorAnswer> errorAnswers;  // in the order asked; Abort when none is left
    bool answerYes = true;
};

}  // namespace zorbel::fakes
