#pragma once
// The record button: switches reception on and off. It keeps its
// designed size and follows the window's right edge.

#include <windows.h>

#include <functional>
#include <string_view>

#include "win32/ChildWindow.h"
#include "win32/ControlNotifications.h"
#include "win32/Tooltips.h"

namespace zorbel::win32 {

class RecordButton : public NotifyingControl {
public:
    void Create(const ChildPlace& at, Tooltips& tooltips, std::function<void()> onClick);
    HWND Hwnd() const override { return hwnd_; }
    void OnOwnCommand(int notificationCode) override;

    void SetCaption(std::string_view utf8Caption);
    void MoveLeftEdgeTo(int left);

private:
    HWND hwnd_ = nullptr;
    RECT place_{};
    std::function<void()> onClick_;
};

}  // namespace zorbel::win32
