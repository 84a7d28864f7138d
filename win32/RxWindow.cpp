#include "win32/RxWindow.h"

#include <richedit.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "codepage/Cp1252.h"
#include "win32/CallbackBoundary.h"
#include "win32/ChildWindow.h"
#include "win32/Encoding.h"

namespace zorbel::win32 {
namespace {

// Posted to the window itself after an append: appends that arrive in a
// burst are served before it, so they cost one repaint.
constexpr UINT kResumeRedrawMessage = WM_APP + 1;

// What the Rx window asks of the keys when the main window runs them through
// IsDialogMessage. Tab and Shift+Tab move on and Escape is left to the main
// window (Wine's RichEdit in dialog mode would close the parent on it); Enter
// stays a line break. No DLGC_HASSETSEL: tabbing in would select (and copy
// out) a capture of megabytes.
LRESULT DialogKeys(const MSG* message) {
    LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS;
    if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
    return code;
}

}  // namespace

void RxWindow::Create(HWND parent, int id, platform::RxEditListener* listener) {
    listener_ = listener;
    if (!LoadLibraryW(L"Msftedit.dll")) return;
    hwnd_ = CreateChildControl({parent, id}, MSFTEDIT_CLASS, L"",
                               WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                                   ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN,
                               WS_EX_CLIENTEDGE);
    if (!hwnd_) return;
    Prepare(ENM_CHANGE | ENM_KEYEVENTS);
    ApplyDefaultFormat();
}

void RxWindow::OnOwnCommand(int notificationCode) {
    if (listener_ && notificationCode == EN_CHANGE) listener_->RxTextChanged();
}

std::optional<LRESULT> RxWindow::OnOwnNotify(const NMHDR& header) {
    if (!listener_ || header.code != EN_MSGFILTER) return std::nullopt;
    const auto& filter = reinterpret_cast<const MSGFILTER&>(header);
    if (filter.msg == WM_KEYDOWN) listener_->RxKeyDown(static_cast<int>(filter.wParam));
    const bool readOnly = (GetWindowLongW(hwnd_, GWL_STYLE) & ES_READONLY) != 0;
    const bool typed = filter.msg == WM_CHAR && filter.wParam != 3 /* Ctrl+C */ && filter.wParam != 1 /* Ctrl+A */;
    const bool deleted = filter.msg == WM_KEYDOWN && filter.wParam == VK_DELETE;
    if (!readOnly && (typed || deleted)) listener_->RxEditedByUser();
    return 0;  // the control handles the key as usual
}

void RxWindow::Prepare(LPARAM eventMask) {
    subclass_.Attach(hwnd_, [this](UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_GETDLGCODE) return DialogKeys(reinterpret_cast<const MSG*>(lParam));
        if (message != kResumeRedrawMessage) return std::nullopt;
        ResumeRedraw();
        return 0;
    });
    // The default limit of 32,767 characters would silently stop reception
    // after a few hours; the program sets none of its own.
    SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(INT_MAX - 1));
    SendMessageW(hwnd_, EM_SETEVENTMASK, 0, eventMask);
}

// Emptying a long text in place costs Wine's RichEdit time that grows with
// the square of its size, at once or in pieces (5 MB: minutes); a fresh
// control in the same place, style, tab position and default format takes a
// fraction of a second. Loading into a fresh one also keeps the old text
// until the load has succeeded.
WindowHandle RxWindow::CreateLikeCurrent() const {
    const HWND parent = GetParent(hwnd_);
    RECT place{};
    GetWindowRect(hwnd_, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    WindowHandle fresh(CreateWindowExW(
        static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_EXSTYLE)), MSFTEDIT_CLASS, L"",
        static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)) & ~WS_VISIBLE, place.left, place.top,
        place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(hwnd_))), GetModuleHandleW(nullptr), nullptr));
    if (!fresh) return fresh;
    // Behind the current one, so that the dialog manager finds the current one by its id until the swap.
    SetWindowPos(fresh.get(), hwnd_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Before anything is loaded: the default limit would cut the text at 32,767 characters.
    SendMessageW(fresh.get(), EM_EXLIMITTEXT, 0, static_cast<LPARAM>(INT_MAX - 1));
    CHARFORMAT2W defaultFormat{};
    defaultFormat.cbSize = sizeof(defaultFormat);
    SendMessageW(hwnd_, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&defaultFormat));
    SendMessageW(fresh.get(), EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&defaultFormat));
    SendMessageW(fresh.get(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&defaultFormat));
    return fresh;
}

void RxWindow::PutInPlace(WindowHandle fresh) {
    const HWND old = hwnd_;
    const LPARAM eventMask = SendMessageW(old, EM_GETEVENTMASK, 0, 0);
    const bool hadFocus = GetFocus() == old;
    hwnd_ = fresh.release();
    ShowWindow(hwnd_, SW_SHOWNA);
    // The old window's pending redraw resumption goes with it; so does its
    // subclass, which must leave before it is attached to the new one.
    redrawSuspended_ = false;
    DestroyWindow(old);
    Prepare(eventMask);
    if (hadFocus) SetFocus(hwnd_);
}

void RxWindow::StartEmpty() {
    if (WindowHandle fresh = CreateLikeCurrent()) {
        PutInPlace(std::move(fresh));
        return;
    }
    // Without a fresh control the old one stays, emptied the slow way.
    SendMessageW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
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
    // Suspended only once the resuming post is queued: with a full queue the
    // append redraws at once rather than leave the window frozen.
    if (!redrawSuspended_ && PostMessageW(hwnd_, kResumeRedrawMessage, 0, 0)) {
        SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
        redrawSuspended_ = true;
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
    // The frame too: the scroll bars changed while redraw was off, and
    // invalidating the client area alone leaves them undrawn (left-over
    // glyphs in their strips under Wine).
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void RxWindow::SetLocked(bool locked) {
    SendMessageW(hwnd_, EM_SETREADONLY, locked ? TRUE : FALSE, 0);
}

void RxWindow::Clear() { StartEmpty(); }

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

bool RxWindow::HasSelection() const {
    const CHARRANGE range = Selection();
    return range.cpMax != range.cpMin;
}

std::string RxWindow::SelectedText() const { return WideToCp1252(SelectedWide()); }


std::wstring RxWindow::TextAs(DWORD getTextFlags, long length) const {
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GETTEXTEX request{};
    request.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    request.flags = getTextFlags;
    request.codepage = 1200;
    const auto copied = SendMessageW(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

// GT_DEFAULT leaves a paragraph end as the one CR the control counts.
std::wstring RxWindow::WholeText() const { return TextAs(GT_DEFAULT, TextLength()); }

std::wstring RxWindow::SelectedWide() const {
    const CHARRANGE range = Selection();
    if (range.cpMax <= range.cpMin) return {};
    std::wstring text(static_cast<std::size_t>(range.cpMax - range.cpMin) + 1, L'\0');
    const auto copied = SendMessageW(hwnd_, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

CHARRANGE RxWindow::Selection() const {
    CHARRANGE range{};
    SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

void RxWindow::Select(CHARRANGE range) {
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

CHARFORMAT2W RxWindow::SelectionFormat() const {
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    SendMessageW(hwnd_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
}

void RxWindow::FormatSelection(const CHARFORMAT2W& format) {
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void RxWindow::SetWholeWindowFont(const wchar_t* fontName, int pointSize) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_FACE | CFM_SIZE;
    format.yHeight = pointSize * 20;
    // Without a fixed pitch, Courier New may resolve to a proportional font.
    if (lstrcmpiW(fontName, L"Courier New") == 0) format.bPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynW(format.szFaceName, fontName, LF_FACESIZE);
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

}  // namespace zorbel::win32

namespace zorbel::win32 {
namespace {

// Pieces of the text inserted one at a time: RichEdit's stream-in grows with
// the square of the size under Wine (5 MB in over a minute), separate
// insertions at the end do not.
constexpr std::size_t kInsertChunk = 4096;

struct StreamSource {
    std::string_view bytes;
    std::size_t offset = 0;
    CarriedException failure;
};

struct StreamSink {
    std::string bytes;
    CarriedException failure;
};

DWORD CALLBACK ReadFromSource(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    return source->failure.Run([&] {
        const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(wanted),
                                                        source->bytes.size() - source->offset);
        std::memcpy(buffer, source->bytes.data() + source->offset, count);
        source->offset += count;
        *given = static_cast<LONG>(count);
    });
}

DWORD CALLBACK WriteToString(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* taken) {
    auto* sink = reinterpret_cast<StreamSink*>(cookie);
    return sink->failure.Run([&] {
        sink->bytes.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(count));
        *taken = count;
    });
}

}  // namespace

std::string RxWindow::RtfBytes() const {
    StreamSink sink;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&sink), 0, &WriteToString};
    SendMessageW(hwnd_, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    sink.failure.RethrowIfAny();
    return std::move(sink.bytes);
}

std::wstring RxWindow::PlainText() const {
    GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE | GTL_USECRLF, 1200};
    const auto length = SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0);
    std::wstring text = TextAs(GT_USECRLF, static_cast<long>(length));
    // The symbol stands for a NUL the control cannot hold: a file gets the NUL back.
    std::replace(text.begin(), text.end(), kNulSymbol, L'\0');
    return text;
}

template <typename Load>
bool RxWindow::ReplaceQuietly(Load load) {
    // A file of many megabytes takes seconds; the next mouse move restores the cursor.
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    WindowHandle fresh = CreateLikeCurrent();
    if (!fresh) SendMessageW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));  // the slow way, in place
    const HWND target = fresh ? fresh.get() : hwnd_;
    const auto eventMask = SendMessageW(target, EM_GETEVENTMASK, 0, 0);
    SendMessageW(target, EM_SETEVENTMASK, 0, 0);
    SendMessageW(target, WM_SETREDRAW, FALSE, 0);
    const bool loaded = load(target);
    SendMessageW(target, WM_SETREDRAW, TRUE, 0);
    SendMessageW(target, EM_SETEVENTMASK, 0, eventMask);
    // A fresh control that failed to load goes with its handle; the current one keeps its text.
    if (fresh && loaded) PutInPlace(std::move(fresh));
    // Without the frame the scroll bars stay undrawn after a suspended redraw under Wine.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return loaded;
}

bool RxWindow::ReplaceWithRtf(std::string_view rtfBytes) {
    // RichEdit takes any bytes as rich text and would show them as such.
    if (!rtfBytes.starts_with("{\\rtf")) return false;
    return ReplaceQuietly([&](HWND target) {
        StreamSource source{rtfBytes, 0, {}};
        EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, &ReadFromSource};
        SendMessageW(target, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
        source.failure.RethrowIfAny();
        // Set for a text cut short too (a group left open), not only for bytes that are no RTF at all.
        return stream.dwError == 0;
    });
}

void RxWindow::ReplaceWithText(std::wstring_view wideText) {
    ReplaceQuietly([&](HWND target) {
        for (std::size_t offset = 0; offset < wideText.size();) {
            std::size_t length = std::min(kInsertChunk, wideText.size() - offset);
            // A CR LF pair or a surrogate pair cut in two would become two characters.
            const wchar_t last = wideText[offset + length - 1];
            if (offset + length < wideText.size() && (last == L'\r' || (last >= 0xD800 && last < 0xDC00))) ++length;
            std::wstring piece(wideText.substr(offset, length));
            // A NUL (a binary file opened as text) would end the piece early.
            std::replace(piece.begin(), piece.end(), L'\0', kNulSymbol);
            CHARRANGE pastTheEnd{LONG_MAX, LONG_MAX};
            SendMessageW(target, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&pastTheEnd));
            SendMessageW(target, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
            offset += length;
        }
        CHARRANGE start{0, 0};
        SendMessageW(target, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
        return true;
    });
}

}  // namespace zorbel::win32
