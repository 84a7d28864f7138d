#pragma once
// A static text control placed at its design place; as the receive line it
// shows the line being received.

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/LineLabel.h"
#include "win32/ChildWindow.h"
#include "win32/WindowSubclass.h"

namespace zorbel::win32 {

class Label : public platform::LineLabel {
public:
    void Create(const ChildPlace& at, const wchar_t* text, DWORD style);
    HWND Hwnd() const { return hwnd_; }

    // Shows the text at once.
    void SetText(std::string_view cp1252Text);
    // Keeps the text and shows it once the messages queued before have been
    // handled: a burst of received characters costs one update of the window.
    void Show(std::string_view cp1252Text) override;

private:
    void ShowPending();

    HWND hwnd_ = nullptr;
    std::string pendingCp1252Text_;
    bool showPosted_ = false;
    WindowSubclass subclass_;
};

}  // namespace zorbel::win32
