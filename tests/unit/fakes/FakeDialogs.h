#pragma once
// Boxes, the text question and the beep: they answer as told and log, in
// order, everything they showed.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/Dialogs.h"

namespace zorbel::fakes {

class FakeDialogs : public platform::Dialogs {
public:
    struct Shown {
        std::string kind;  // "question", "exclamation", "information", "plain", "text", "beep" or "abort/retry/ignore"
        std::string prompt;
        std::string title;
        std::string defaultText;  // of the text question
        bool operator==(const Shown&) const = default;
        friend std::ostream& operator<<(std::ostream& out, const Shown& shown) {
            return out << shown.kind << " [" << shown.title << "] " << shown.prompt << " {" << shown.defaultText << "}";
        }
    };

    bool AskYesNo(std::string_view utf8Prompt, std::string_view utf8Title) override {
        Log("question", utf8Prompt, utf8Title);
        if (yesNoAnswers.empty()) return answerYes;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.erase(yesNoAnswers.begin());
        return answer;
    }
    void ShowMessage(platform::MessageIcon icon, std::string_view utf8Prompt, std::string_view utf8Title) override {
        Log(icon == platform::MessageIcon::Exclamation   ? "exclamation"
            : icon == platform::MessageIcon::Information ? "information"
                                                         : "plain",
            utf8Prompt, utf8Title);
    }
    std::optional<std::string> AskText(std::string_view utf8Prompt, std::string_view utf8Title,
                                       std::string_view utf8Default) override {
        Log("text", utf8Prompt, utf8Title, utf8Default);
        return textAnswer;
    }
    void Beep() override { Log("beep"); }

    platform::ErrorAnswer AskAbortRetryIgnore(std::string_view utf8Prompt, std::string_view utf8Title) override {
        Log("abort/retry/ignore", utf8Prompt, utf8Title);
        const auto answer = errorAnswers.empty() ? platform::ErrorAnswer::Abort : errorAnswers.front();
        if (!errorAnswers.empty()) errorAnswers.erase(errorAnswers.begin());
        return answer;
    }

    std::vector<Shown> shown;
    std::vector<platform::ErrorAnswer> errorAnswers;  // in the order asked; Abort when none is left
    bool answerYes = true;
    std::vector<bool> yesNoAnswers;  // in the order asked; answerYes when none is left
    std::optional<std::string> textAnswer;  // nothing: Cancel

private:
    void Log(std::string kind, std::string_view prompt = {}, std::string_view title = {},
             std::string_view defaultText = {}) {
        shown.push_back({std::move(kind), std::string(prompt), std::string(title), std::string(defaultText)});
    }
};

// Questions and boxes also join a test's one log of visible steps.
struct SequencedDialogs : FakeDialogs {
    bool AskYesNo(std::string_view prompt, std::string_view title) override {
        log->Add("ask:" + std::string(title));
        return FakeDialogs::AskYesNo(prompt, title);
    }
    void ShowMessage(platform::MessageIcon icon, std::string_view prompt, std::string_view title) override {
        log->Add("box:" + std::string(title));
        FakeDialogs::ShowMessage(icon, prompt, title);
    }
    CallLog* log = nullptr;
};

}  // namespace zorbel::fakes
