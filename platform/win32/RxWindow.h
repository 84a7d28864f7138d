#pragma once
// The Rx window: a RichEdit control that receives text at its end.

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/RxView.h"
#include "platform/win32/WindowSubclass.h"

namespace zorbel::win32 {

class RxWindow : public platform::RxView {
public:
    void Create(HWND parent, int id);
    HWND Hwnd() const { return hwnd_; }

    void AppendAtEnd(std::string_view cp1252Text) override;
    bool IsEmpty() const override;
    std::string SelectedText() const override;
    void Clear() override;
    void ResetFormat(std::string_view utf8FontName, int pointSize) override;

    // Locks the text against the user's editing (true) or frees it.
    void SetLocked(bool locked);
    long TextLength() const;

private:
    void ApplyDefaultFormat();
    void ResumeRedraw();

    HWND hwnd_ = nullptr;
    bool redrawSuspended_ = false;
    WindowSubclass subclass_;
};

}  // namespace zorbel::win32
