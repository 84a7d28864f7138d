#pragma once
// Message boxes that answer as told and remember what they showed.

#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace zorbel::fakes {

class FakeDialogs : public platform::Dialogs {
public:
    struct Shown {
        std::string kind;  // "question", "exclamation" or "information"
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

    std::vector<Shown> shown;
    bool answerYes = true;
};

}  // namespace zorbel::fakes
