#pragma once
// One tooltip control that gives plain child controls, and areas inside
// them, their tooltip texts.

#include <windows.h>

namespace zorbel::win32 {

class Tooltips {
public:
    void Create(HWND owner);
    // Shows the text while the mouse rests over the control.
    void Add(HWND control, const wchar_t* text);
    // Shows the text while the mouse rests over an area of the window (a
    // status panel, say); the area starts empty until MoveArea places it.
    void AddArea(HWND window, UINT_PTR areaId, const wchar_t* text);
    void MoveArea(HWND window, UINT_PTR areaId, const RECT& area);
    void RemoveArea(HWND window, UINT_PTR areaId);
    // Texts of several lines ("\n") break there and at this width.
    void AllowLines(int widthPx);

private:
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace zorbel::win32
