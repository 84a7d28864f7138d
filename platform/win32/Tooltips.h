#pragma once
// One tooltip control that gives plain child controls their tooltip texts.

#include <windows.h>

namespace zorbel::win32 {

class Tooltips {
public:
    void Create(HWND owner);
    // Shows the text while the mouse rests over the control.
    void Add(HWND control, const wchar_t* text);

private:
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace zorbel::win32
