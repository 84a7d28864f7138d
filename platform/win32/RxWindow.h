#pragma once
// The Rx window: a RichEdit control that receives text at its end.

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/RxView.h"

namespace zorbel::win32 {

class RxWindow : public platform::RxView {
public:
    // Posted to the parent after an append; the parent hands it back to
    // ResumeRedraw(). Appends that arrive in a burst then cost one repaint.
    static constexpr UINT kResumeRedrawMessage = WM_APP + 1;

    void Create(HWND parent, int id);
    HWND Hwnd() const { return hwnd_; }

    void AppendAtEnd(std::string_view ansiText) override;
    bool IsEmpty() const override;
    std::string SelectedText() const override;

    void ResumeRedraw();
    long TextLength() const;

    void SetLocked(bool locked);
    void Clear();
    // Plain paragraph alignment for the selection, then one font for the whole text.
    void ResetFormat(const std::wstring& fontName, int points);

private:
    void ApplyDefaultFormat();

    HWND hwnd_ = nullptr;
    HWND parent_ = nullptr;
    bool redrawSuspended_ = false;
};

}  // namespace zorbel::win32
