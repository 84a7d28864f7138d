#pragma once
// The record button: switches reception on and off. It keeps its
// designed size and follows the window's right edge.

#include <windows.h>

#include <string_view>

#include "win32/ChildWindow.h"
#include "win32/Tooltips.h"

namespace zorbel::win32 {

class RecordButton {
public:
    void Create(const ChildPlace& at, Tooltips& tooltips);
    HWND Hwnd() const { return hwnd_; }

    void SetCaption(std::string_view utf8Caption);
    void MoveLeftEdgeTo(int left);

private:
    HWND hwnd_ = nullptr;
    RECT place_{};
};

}  // namespace zorbel::win32
