#include "win32/ControlNotifications.h"

namespace zorbel::win32 {

bool ControlNotifications::TakeCommand(WPARAM wParam, LPARAM lParam) const {
    // Menus and accelerators send no window; toolbars send theirs but are not listed.
    NotifyingControl* control = From(reinterpret_cast<HWND>(lParam));
    if (!control) return false;
    control->OnOwnCommand(HIWORD(wParam));
    return true;
}

std::optional<LRESULT> ControlNotifications::TakeNotify(const NMHDR& header) const {
    NotifyingControl* control = From(header.hwndFrom);
    return control ? control->OnOwnNotify(header) : std::nullopt;
}

NotifyingControl* ControlNotifications::From(HWND window) const {
    if (!window) return nullptr;
    for (NotifyingControl* control : controls_)
        if (control->Hwnd() == window) return control;
    return nullptr;
}

}  // namespace zorbel::win32
