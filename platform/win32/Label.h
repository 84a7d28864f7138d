#pragma once
// A static text control; as the receive line it shows the line being received.

#include <windows.h>

#include <string_view>

#include "platform/LineLabel.h"

namespace zorbel::win32 {

class Label : public platform::LineLabel {
public:
    void Create(HWND parent, int id, const wchar_t* text, DWORD style, HFONT font);
    HWND Hwnd() const { return hwnd_; }

    void Show(std::string_view ansiText) override;
    void SetText(std::string_view utf8Text);

private:
    HWND hwnd_ = nullptr;
};

}  // namespace zorbel::win32
