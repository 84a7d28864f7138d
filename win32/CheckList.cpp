#include "win32/CheckList.h"

#include <commctrl.h>

namespace zorbel::win32 {
namespace {
constexpr UINT kChecked = INDEXTOSTATEIMAGEMASK(2);
constexpr UINT kCleared = INDEXTOSTATEIMAGEMASK(1);
}  // namespace

void CheckList::Create(const ChildPlace& at, std::function<void(std::size_t, bool)> changed) {
    changed_ = std::move(changed);
    hwnd_ = CreateChildControl(at, WC_LISTVIEWW, L"",
                               WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                               WS_EX_CLIENTEDGE);
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    LVCOLUMNW column{};
    SendMessageW(hwnd_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

void CheckList::AddEntry(const std::wstring& text, bool checked) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<wchar_t*>(text.c_str());
    const LRESULT entry = SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    if (entry >= 0) SetChecked(static_cast<std::size_t>(entry), checked);
}

void CheckList::SetChecked(std::size_t entry, bool checked) {
    setting_ = true;
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = checked ? kChecked : kCleared;
    SendMessageW(hwnd_, LVM_SETITEMSTATE, entry, reinterpret_cast<LPARAM>(&item));
    setting_ = false;
}

void CheckList::Place(const RECT& place) {
    PlaceWindow(hwnd_, place);
    RECT inside{};
    GetClientRect(hwnd_, &inside);
    SendMessageW(hwnd_, LVM_SETCOLUMNWIDTH, 0, inside.right);
}

std::optional<LRESULT> CheckList::OnOwnNotify(const NMHDR& header) {
    if (header.code != LVN_ITEMCHANGED) return std::nullopt;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const UINT before = change.uOldState & LVIS_STATEIMAGEMASK;
    const UINT after = change.uNewState & LVIS_STATEIMAGEMASK;
    // A new entry gets its first state image too: only a change between the two is the user's.
    if (setting_ || !(change.uChanged & LVIF_STATE) || before == 0 || after == before) return 0;
    changed_(static_cast<std::size_t>(change.iItem), after == kChecked);
    return 0;
}

}  // namespace zorbel::win32
