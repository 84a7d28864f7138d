#pragma once
// Modal message boxes with the standard buttons. Texts are UTF-8.

#include <string_view>

namespace zorbel::platform {

enum class MessageIcon { Exclamation, Information };
enum class ErrorAnswer { Abort, Retry, Ignore };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Yes/No buttons with the question icon; true when the answer is Yes.
    virtual bool AskYesNo(std::string_view utf8Prompt, std::string_view utf8Title) = 0;
    // OK button with the given icon.
    virtual void ShowMessage(MessageIcon icon, std::string_view utf8Prompt, std::string_view utf8Title) = 0;
    // Abort/Retry/Ignore buttons with the exclamation icon.
    virtual ErrorAnswer AskAbortRetryIgnore(std::string_view utf8Prompt, std::string_view utf8Title) = 0;
};

}  // namespace zorbel::platform
