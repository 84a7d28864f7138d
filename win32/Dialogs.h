#pragma once
// Message boxes, the input box and the beep. The input box is the classic
// one: the prompt on the left, OK and "Abbrechen" on the right, one edit line
// below holding the default text selected; its dialog comes from the
// program's resources.

#include <windows.h>

#include "platform/Dialogs.h"

namespace zorbel::win32 {

struct InputBoxResource {
    int dialogId;
    int promptId;
    int editId;
};

class WindowsDialogs : public platform::Dialogs {
public:
    explicit WindowsDialogs(InputBoxResource inputBox) : inputBox_(inputBox) {}
    // Boxes belong to the window that asks: this one, or a modal window of
    // ours that stands over it when the box comes.
    void SetOwner(HWND owner) { owner_ = owner; }

    bool AskYesNo(std::string_view utf8Prompt, std::string_view utf8Title) override;
    void ShowMessage(platform::MessageIcon icon, std::string_view utf8Prompt, std::string_view utf8Title) override;
    std::optional<std::string> AskText(std::string_view utf8Prompt, std::string_view utf8Title,
                                       std::string_view utf8Default) override;
    void Beep() override;
    platform::ErrorAnswer AskAbortRetryIgnore(std::string_view utf8Prompt, std::string_view utf8Title) override;

private:
    int ShowBox(std::string_view utf8Prompt, std::string_view utf8Title, UINT buttonsAndIcon);

    InputBoxResource inputBox_;
    HWND owner_ = nullptr;
};

}  // namespace zorbel::win32
