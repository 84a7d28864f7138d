#pragma once
// A static text control placed at its design place; as the receive line it
// shows the line being received.

#include <windows.h>

#include <string_view>

#include "platform/LineLabel.h"

namespace zorbel::win32 {

class Label : public platform::LineLabel {
public:
    void Create(HWND parent, int id, const wchar_t* text, DWORD style, HFONT font, const RECT& place);
    HWND Hwnd() const { return hwnd_; }

    void Show(std::string_view cp1252Text) override;

private:
    HWND hwnd_ = nullptr;
};

}  // namespace zorbel::win32
