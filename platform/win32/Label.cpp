#include "platform/win32/Label.h"

#include "platform/win32/Encoding.h"

namespace zorbel::win32 {

void Label::Create(HWND parent, int id, const wchar_t* text, DWORD style, HFONT font) {
    hwnd_ = CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_NOPREFIX | style, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Label::Show(std::string_view ansiText) { SetWindowTextW(hwnd_, AnsiToWide(ansiText).c_str()); }

void Label::SetText(std::string_view utf8Text) { SetWindowTextW(hwnd_, Utf8ToWide(utf8Text).c_str()); }

}  // namespace zorbel::win32
