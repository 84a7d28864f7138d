#include "win32/WordCombo.h"

#include <commctrl.h>

#include "codepage/Cp1252.h"
#include "win32/ChildWindow.h"
#include "win32/Encoding.h"
#include "win32/Fonts.h"

namespace zorbel::win32 {
namespace {

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

void WordCombo::Create(const ChildPlace& at, Tooltips& tooltips, const wchar_t* tooltip, KeyHandler onKeyDown) {
    onKeyDown_ = std::move(onKeyDown);
    hwnd_ = CreateChildControl(at, WC_COMBOBOXW, L"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP);

    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(hwnd_, &info);
    editHwnd_ = info.hwndItem;
    edit_.Attach(editHwnd_, [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return OnEditMessage(message, wParam, lParam);
    });
    // The pointer rests over the edit part, so it needs the tooltip too.
    tooltips.Add(info.hwndItem, tooltip);
    tooltips.Add(hwnd_, tooltip);
}

std::optional<LRESULT> WordCombo::OnEditMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        // The main window's IsDialogMessage would turn Enter into a default
        // button press; Enter adds the word to the list, so the field keeps it.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        LRESULT code = DefSubclassProc(editHwnd_, message, wParam, lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
        return code;
    }
    if (message == WM_KEYDOWN) onKeyDown_(static_cast<int>(wParam));
    // Enter has done its work; the edit field would only beep at it.
    if (message == WM_CHAR && wParam == VK_RETURN) return 0;
    return std::nullopt;
}

void WordCombo::ClearEntries() {
    // CB_RESETCONTENT would empty the edit field as well.
    const std::wstring edit = WindowText(hwnd_);
    SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
    SetWindowTextW(hwnd_, edit.c_str());
}

void WordCombo::AppendEntry(std::string_view cp1252Text) {
    const std::wstring text = Cp1252ToDisplayText(cp1252Text);
    SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void WordCombo::RemoveEntry(std::size_t index) { SendMessageW(hwnd_, CB_DELETESTRING, index, 0); }

void WordCombo::SetEditText(std::string_view cp1252Text) { SetWindowTextW(hwnd_, Cp1252ToDisplayText(cp1252Text).c_str()); }

std::string WordCombo::EditText() const { return WideToCp1252(WindowText(hwnd_)); }

std::optional<std::size_t> WordCombo::SelectedIndex() const {
    const LRESULT index = SendMessageW(hwnd_, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return std::nullopt;
    return static_cast<std::size_t>(index);
}

void WordCombo::SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled); }

int WordCombo::WidthShowing(std::wstring_view text) const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    RECT outer{};
    if (!GetComboBoxInfo(hwnd_, &info) || !GetWindowRect(hwnd_, &outer)) return 0;
    // Everything but the edit part (frame, button) stays; the edit part needs its margins and the caret besides.
    const auto margins = static_cast<DWORD>(SendMessageW(editHwnd_, EM_GETMARGINS, 0, 0));
    constexpr int kCaret = 2;
    return outer.right - outer.left - (info.rcItem.right - info.rcItem.left) + TextWidthInFontOf(editHwnd_, text) +
           LOWORD(margins) + HIWORD(margins) + kCaret;
}

}  // namespace zorbel::win32
