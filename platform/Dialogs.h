#pragma once
// Modal boxes with the standard buttons, the one-line text question, and the
// system's default beep. Texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace zorbel::platform {

enum class MessageIcon { None, Exclamation, Information };
enum class ErrorAnswer { Abort, Retry, Ignore };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Yes/No buttons with the question icon; true when the answer is Yes.
    virtual bool AskYesNo(std::string_view utf8Prompt, std::string_view utf8Title) = 0;
    // OK button with the given icon.
    virtual void ShowMessage(MessageIcon icon, std::string_view utf8Prompt, std::string_view utf8Title) = 0;
    // One edit line holding the default text; the entered text, or nothing on Cancel.
    virtual std::optional<std::string> AskText(std::string_view utf8Prompt, std::string_view utf8Title,
                                               std::string_view utf8Default) = 0;
    virtual void Beep() = 0;
    // Abort/Retry/Ignore buttons with the exclamation icon.
    virtual ErrorAnswer AskAbortRetryIgnore(std::string_view utf8Prompt, std::string_view utf8Title) = 0;
};

}  // namespace zorbel::platform
