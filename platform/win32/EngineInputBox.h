#pragma once
// A modal input box in the classic form: the prompt on the left, OK and
// "Abbrechen" on the right, one edit line below holding the default text
// selected. Used by the notch dialog.

#include <windows.h>

#include "engine/InputBox.h"

namespace zorbel::win32 {

class EngineInputBox : public engine::InputBox {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    std::optional<std::string> Ask(std::string_view utf8Prompt, std::string_view utf8Title,
                                   std::string_view utf8Default) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace zorbel::win32
