#pragma once
// A drop-down list of fixed choices that says which one the user took.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win32/ChildWindow.h"
#include "win32/ControlNotifications.h"

namespace zorbel::win32 {

class ChoiceBox : public NotifyingControl {
public:
    // A combo box's place holds its dropped list: the closed box is its top.
    void Create(const ChildPlace& at, std::function<void(std::size_t)> chosen);
    void SetChoices(const std::vector<std::wstring>& choices, std::size_t selected);
    HWND Hwnd() const override { return hwnd_; }
    void OnOwnCommand(int notificationCode) override;

private:
    HWND hwnd_ = nullptr;
    std::function<void(std::size_t)> chosen_;
};

}  // namespace zorbel::win32
