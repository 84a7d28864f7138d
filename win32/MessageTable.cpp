#include "win32/MessageTable.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/Twips.h"

namespace zorbel::win32 {

void MessageTable::Create(const ChildPlace& at, const std::vector<std::wstring>& headings,
                          std::function<void(std::size_t)> chosen) {
    chosen_ = std::move(chosen);
    hwnd_ = CreateChildControl(at, WC_LISTVIEWW, L"", WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                               WS_EX_CLIENTEDGE);
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    headings_ = headings;
    for (const std::wstring& heading : headings) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(heading.c_str());
        column.iSubItem = static_cast<int>(columns_);
        SendMessageW(hwnd_, LVM_INSERTCOLUMNW, columns_++, reinterpret_cast<LPARAM>(&column));
    }
}

void MessageTable::SetColours(COLORREF text, COLORREF background) {
    SendMessageW(hwnd_, LVM_SETTEXTCOLOR, 0, text);
    SendMessageW(hwnd_, LVM_SETTEXTBKCOLOR, 0, background);
    SendMessageW(hwnd_, LVM_SETBKCOLOR, 0, background);
}

void MessageTable::SetRows(std::vector<TableRow> rows) {
    rows_ = std::move(rows);
    setting_ = true;
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        for (std::size_t column = 0; column < rows_[row].cells.size() && column < columns_; ++column) {
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(row);
            item.iSubItem = static_cast<int>(column);
            item.pszText = const_cast<wchar_t*>(rows_[row].cells[column].c_str());
            SendMessageW(hwnd_, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
    FitColumns();
    setting_ = false;
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// Each column as wide as its heading and its widest cell (Wine's LVSCW_AUTOSIZE_USEHEADER forgets the heading).
void MessageTable::FitColumns() {
    const int padding = MulDiv(16, Twips::ForScreen().DpiY(), 96);
    const auto widthOf = [this](const std::wstring& text) {
        return static_cast<int>(SendMessageW(hwnd_, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
    };
    for (std::size_t column = 0; column < columns_; ++column) {
        int width = widthOf(headings_[column]);
        for (const TableRow& row : rows_)
            if (column < row.cells.size()) width = std::max(width, widthOf(row.cells[column]));
        SendMessageW(hwnd_, LVM_SETCOLUMNWIDTH, column, width + padding);
    }
}

void MessageTable::Choose(std::optional<std::size_t> key) {
    setting_ = true;
    LVITEMW clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
    for (std::size_t row = 0; key && row < rows_.size(); ++row) {
        if (rows_[row].key != *key) continue;
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(hwnd_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
        SendMessageW(hwnd_, LVM_ENSUREVISIBLE, row, FALSE);
    }
    setting_ = false;
}

std::optional<LRESULT> MessageTable::OnOwnNotify(const NMHDR& header) {
    if (header.code != LVN_ITEMCHANGED) return std::nullopt;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const bool nowSelected = (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
    if (!setting_ && nowSelected && change.iItem >= 0 && static_cast<std::size_t>(change.iItem) < rows_.size())
        chosen_(rows_[static_cast<std::size_t>(change.iItem)].key);
    return 0;
}

}  // namespace zorbel::win32
