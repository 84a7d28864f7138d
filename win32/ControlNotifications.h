#pragma once
// Controls that handle their own notifications. Windows sends a control's
// WM_COMMAND and WM_NOTIFY to its parent; the parent hands them back to the
// control's object, which knows what they mean, so that the parent's command
// handler keeps only menu, toolbar and accelerator commands.

#include <windows.h>

#include <optional>
#include <vector>

namespace zorbel::win32 {

class NotifyingControl {
public:
    // Asked at each notification: a control may replace its window.
    virtual HWND Hwnd() const = 0;
    virtual void OnOwnCommand(int /*notificationCode*/) {}
    virtual std::optional<LRESULT> OnOwnNotify(const NMHDR& /*header*/) { return std::nullopt; }

protected:
    ~NotifyingControl() = default;
};

// The parent's list of its notifying controls.
class ControlNotifications {
public:
    void Add(NotifyingControl& control) { controls_.push_back(&control); }
    // True when the WM_COMMAND came from a listed control, which has handled it.
    bool TakeCommand(WPARAM wParam, LPARAM lParam) const;
    // The answer of the listed control the WM_NOTIFY came from, if one did and answered.
    std::optional<LRESULT> TakeNotify(const NMHDR& header) const;

private:
    NotifyingControl* From(HWND window) const;

    std::vector<NotifyingControl*> controls_;
};

}  // namespace zorbel::win32
