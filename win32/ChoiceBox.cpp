#include "win32/ChoiceBox.h"

namespace zorbel::win32 {

void ChoiceBox::Create(const ChildPlace& at, std::function<void(std::size_t)> chosen) {
    chosen_ = std::move(chosen);
    hwnd_ = CreateChildControl(at, L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
}

void ChoiceBox::SetChoices(const std::vector<std::wstring>& choices, std::size_t selected) {
    SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& choice : choices)
        SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
    SendMessageW(hwnd_, CB_SETCURSEL, selected, 0);
}

void ChoiceBox::OnOwnCommand(int notificationCode) {
    if (notificationCode != CBN_SELCHANGE) return;
    const LRESULT selected = SendMessageW(hwnd_, CB_GETCURSEL, 0, 0);
    if (selected != CB_ERR) chosen_(static_cast<std::size_t>(selected));
}

}  // namespace zorbel::win32
