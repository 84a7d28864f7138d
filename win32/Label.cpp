#include "win32/Label.h"

#include "win32/Encoding.h"

namespace zorbel::win32 {
namespace {

// Posted to the label itself by Show; characters queued before it are taken first.
constexpr UINT kShowPendingMessage = WM_APP + 1;

}  // namespace

void Label::Create(const ChildPlace& at, const wchar_t* text, DWORD style) {
    hwnd_ = CreateChildControl(at, L"STATIC", text, SS_NOPREFIX | style);
    subclass_.Attach(hwnd_, [this](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != kShowPendingMessage) return std::nullopt;
        ShowPending();
        return 0;
    });
}

void Label::SetText(std::string_view cp1252Text) { SetWindowTextW(hwnd_, Cp1252ToDisplayText(cp1252Text).c_str()); }

void Label::Show(std::string_view cp1252Text) {
    // Setting a static control's text is a round trip to the window system
    // (under Wine to its server); once per character it bounds the receive rate.
    pendingCp1252Text_.assign(cp1252Text);
    if (showPosted_) return;
    showPosted_ = PostMessageW(hwnd_, kShowPendingMessage, 0, 0) != FALSE;
    // A full queue refuses the post: show at once rather than leave the line stale.
    if (!showPosted_) ShowPending();
}

void Label::ShowPending() {
    showPosted_ = false;
    SetText(pendingCp1252Text_);
}

}  // namespace zorbel::win32
