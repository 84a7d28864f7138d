#include "platform/win32/InputDialog.h"

#include <string>

#include "platform/win32/Encoding.h"

namespace zorbel::win32 {

INT_PTR CALLBACK InputDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const auto& self = *reinterpret_cast<const InputDialog*>(lParam);
        SetWindowTextW(dialog, self.title_.c_str());
        SetDlgItemTextW(dialog, self.resource_.promptId, self.prompt_.c_str());
        HWND edit = GetDlgItem(dialog, self.resource_.editId);
        SetWindowTextW(edit, self.text_.c_str());
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SetFocus(edit);
        return FALSE;  // the focus is set
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        if (LOWORD(wParam) == IDOK) {
            auto& self = *reinterpret_cast<InputDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
            HWND edit = GetDlgItem(dialog, self.resource_.editId);
            self.text_.assign(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
            self.text_.resize(static_cast<std::size_t>(
                GetWindowTextW(edit, self.text_.data(), static_cast<int>(self.text_.size()))));
        }
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

std::optional<std::string> InputDialog::Ask(std::string_view utf8Prompt, std::string_view utf8Title,
                                            std::string_view utf8Default) {
    prompt_ = Utf8ToWide(utf8Prompt);
    title_ = Utf8ToWide(utf8Title);
    text_ = Utf8ToWide(utf8Default);
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource_.dialogId), owner_,
                                           &InputDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (result != IDOK) return std::nullopt;
    return WideToUtf8(text_);
}

}  // namespace zorbel::win32
