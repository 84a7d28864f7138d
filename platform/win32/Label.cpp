#include "platform/win32/Label.h"

#include "platform/win32/ChildWindow.h"
#include "platform/win32/Encoding.h"

namespace zorbel::win32 {

void Label::Create(HWND parent, int id, const wchar_t* text, DWORD style, HFONT font, const RECT& place) {
    hwnd_ = CreateChildControl(parent, L"STATIC", text, SS_NOPREFIX | style, id, font);
    PlaceWindow(hwnd_, place);
}

void Label::Show(std::string_view cp1252Text) { SetWindowTextW(hwnd_, Cp1252ToDisplayText(cp1252Text).c_str()); }

}  // namespace zorbel::win32
