#pragma once
// The small answers of the engine commands to the user: the beep of a failed
// notch command and the check mark of "Engine &unsichtbar".

#include <windows.h>

#include "engine/Beeper.h"
#include "engine/MenuCheck.h"

namespace zorbel::win32 {

class SystemBeeper : public engine::Beeper {
public:
    void Beep() override { MessageBeep(MB_OK); }
};

// One entry of a window's menu bar tree, found by its command id.
class MenuEntryCheck : public engine::MenuCheck {
public:
    explicit MenuEntryCheck(UINT commandId) : commandId_(commandId) {}
    void Attach(HWND window) { window_ = window; }
    void SetChecked(bool checked) override {
        CheckMenuItem(GetMenu(window_), commandId_, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }

private:
    UINT commandId_;
    HWND window_ = nullptr;
};

}  // namespace zorbel::win32
