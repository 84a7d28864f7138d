#include "platform/win32/RxWindow.h"

#include <richedit.h>

#include <climits>

#include "config/Cp1252.h"
#include "platform/win32/ChildWindow.h"
#include "platform/win32/Encoding.h"

namespace zorbel::win32 {
namespace {

// Posted to the window itself after an append: appends that arrive in a
// burst are served before it, so they cost one repaint.
constexpr UINT kResumeRedrawMessage = WM_APP + 1;

}  // namespace

void RxWindow::Create(HWND parent, int id) {
    LoadLibraryW(L"Msftedit.dll");
    hwnd_ = CreateChildControl(parent, MSFTEDIT_CLASS, L"",
                               WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                                   ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN,
                               id, nullptr, WS_EX_CLIENTEDGE);
    subclass_.Attach(hwnd_, [this](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != kResumeRedrawMessage) return std::nullopt;
        ResumeRedraw();
        return 0;
    });
    // The default limit of 32,767 characters would silently stop reception
    // after a few hours; the program sets none of its own.
    SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(INT_MAX - 1));
    SendMessageW(hwnd_, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_KEYEVENTS);
    ApplyDefaultFormat();
}

void RxWindow::ApplyDefaultFormat() {
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_CHARSET;
    format.yHeight = 195;  // 9.75 pt in twips
    format.bCharSet = ANSI_CHARSET;
    // Without a fixed pitch, Courier New may resolve to a proportional font.
    format.bPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynW(format.szFaceName, L"Courier New", LF_FACESIZE);
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

long RxWindow::TextLength() const {
    GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, 1200};
    return static_cast<long>(SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0));
}

void RxWindow::AppendAtEnd(std::string_view cp1252Text) {
    // Repainting inside every append scrolls and redraws the whole view,
    // which grows with the text; suspend it until the queue is idle.
    if (!redrawSuspended_) {
        SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
        redrawSuspended_ = true;
        PostMessageW(hwnd_, kResumeRedrawMessage, 0, 0);
    }
    // An empty range beyond the end puts the caret at the end. A range at
    // the exact text length would cost a walk over every paragraph in some
    // RichEdit implementations (Wine's), growing with the text.
    CHARRANGE pastTheEnd{LONG_MAX, LONG_MAX};
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&pastTheEnd));
    const std::wstring wide = Cp1252ToDisplayText(cp1252Text);
    SendMessageW(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void RxWindow::ResumeRedraw() {
    if (!redrawSuspended_) return;
    redrawSuspended_ = false;
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void RxWindow::SetLocked(bool locked) {
    SendMessageW(hwnd_, EM_SETREADONLY, locked ? TRUE : FALSE, 0);
}

void RxWindow::Clear() {
    SetWindowTextW(hwnd_, L"");
}

void RxWindow::ResetFormat(std::string_view utf8FontName, int pointSize) {
    PARAFORMAT2 paragraph{};
    paragraph.cbSize = sizeof(paragraph);
    paragraph.dwMask = PFM_ALIGNMENT;
    paragraph.wAlignment = PFA_LEFT;
    SendMessageW(hwnd_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));

    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_FACE | CFM_SIZE;
    format.yHeight = pointSize * 20;
    format.bPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynW(format.szFaceName, Utf8ToWide(utf8FontName).c_str(), LF_FACESIZE);
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

bool RxWindow::IsEmpty() const { return TextLength() == 0; }

std::string RxWindow::SelectedText() const {
    CHARRANGE range{};
    SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    if (range.cpMax <= range.cpMin) return {};
    std::wstring text(static_cast<std::size_t>(range.cpMax - range.cpMin) + 1, L'\0');
    const auto copied = SendMessageW(hwnd_, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return WideToCp1252(text);
}

}  // namespace zorbel::win32
