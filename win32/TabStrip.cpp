#include "win32/TabStrip.h"

#include <commctrl.h>

namespace zorbel::win32 {

void TabStrip::Create(const ChildPlace& at) {
    hwnd_ = CreateChildControl(at, WC_TABCONTROLW, L"", WS_CLIPSIBLINGS | WS_TABSTOP);
}

void TabStrip::AddPage(const wchar_t* caption, HWND page) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption);
    SendMessageW(hwnd_, TCM_INSERTITEMW, pages_.size(), reinterpret_cast<LPARAM>(&item));
    pages_.push_back(page);
}

std::optional<LRESULT> TabStrip::OnOwnNotify(const NMHDR& header) {
    if (header.code != TCN_SELCHANGE) return std::nullopt;
    Show(static_cast<std::size_t>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0)));
    return 0;
}

void TabStrip::Place(const RECT& area) {
    PlaceWindow(hwnd_, area);
    RECT inside = area;
    SendMessageW(hwnd_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&inside));
    for (const HWND page : pages_) {
        PlaceWindow(page, inside);
        InvalidateRect(page, nullptr, FALSE);
    }
}

void TabStrip::Show(std::size_t tab) {
    for (std::size_t index = 0; index < pages_.size(); ++index)
        if (index != tab) ShowWindow(pages_[index], SW_HIDE);
    // Above the tab control, which would otherwise paint over it.
    SetWindowPos(pages_[tab], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SendMessageW(hwnd_, TCM_SETCURSEL, tab, 0);
}

}  // namespace zorbel::win32
