#pragma once
// A modal input box in the classic form: the prompt on the left, OK and
// "Abbrechen" on the right, one edit line below holding the default text
// selected. The dialog itself comes from the program's resources.

#include <windows.h>

#include "engine/InputBox.h"

namespace zorbel::win32 {

struct InputDialogResource {
    int dialogId;
    int promptId;
    int editId;
};

class InputDialog : public engine::InputBox {
public:
    explicit InputDialog(InputDialogResource resource) : resource_(resource) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    std::optional<std::string> Ask(std::string_view utf8Prompt, std::string_view utf8Title,
                                   std::string_view utf8Default) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    InputDialogResource resource_;
    HWND owner_ = nullptr;
    std::wstring prompt_;
    std::wstring title_;
    std::wstring text_;
};

}  // namespace zorbel::win32
