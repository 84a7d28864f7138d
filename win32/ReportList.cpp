#include "win32/ReportList.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/Encoding.h"
#include "win32/Twips.h"

namespace zorbel::win32 {
namespace {
constexpr int kMaxColumnWidth = 360;  // pixels at 96 per inch
constexpr std::size_t kRowsMeasured = 300;
}  // namespace

void ReportList::Create(const ChildPlace& at, weather::ReportTable& table) {
    table_ = &table;
    // Owner data: the list asks for the cells it shows, so a day of reports opens at once.
    hwnd_ = CreateChildControl(at, WC_LISTVIEWW, L"",
                               WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                               WS_EX_CLIENTEDGE);
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    AddColumns();
    SendMessageW(hwnd_, LVM_SETITEMCOUNT, table_->RowCount(), 0);
}

// Each column as wide as its heading and its widest cell among the first rows, up to a limit.
void ReportList::AddColumns() {
    const int dpi = Twips::ForScreen().DpiY();
    const int maxWidth = MulDiv(kMaxColumnWidth, dpi, 96);
    const int padding = MulDiv(16, dpi, 96);
    const auto widthOf = [&](const std::string& utf8Text) {
        const std::wstring text = Utf8ToWide(utf8Text);
        return static_cast<int>(SendMessageW(hwnd_, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
    };
    const auto& headings = table_->Headings();
    for (std::size_t column = 0; column < headings.size(); ++column) {
        int width = widthOf(headings[column]);
        for (std::size_t row = 0; row < std::min(table_->RowCount(), kRowsMeasured); ++row)
            width = std::max(width, widthOf(table_->Cell(row, column)));
        std::wstring heading = Utf8ToWide(headings[column]);
        LVCOLUMNW entry{};
        entry.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        entry.fmt = table_->HoldsNumbers(column) ? LVCFMT_RIGHT : LVCFMT_LEFT;  // the first column stays left anyway
        entry.pszText = heading.data();
        entry.cx = std::min(width + padding, maxWidth);
        entry.iSubItem = static_cast<int>(column);
        SendMessageW(hwnd_, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&entry));
    }
}

std::optional<LRESULT> ReportList::OnOwnNotify(const NMHDR& header) {
    if (header.code == LVN_GETDISPINFOW) {
        GiveCell(reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item);
        return 0;
    }
    if (header.code == LVN_COLUMNCLICK) {
        SortBy(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
        return 0;
    }
    return std::nullopt;
}

void ReportList::GiveCell(LVITEMW& item) {
    if (!(item.mask & LVIF_TEXT) || item.cchTextMax <= 0 || static_cast<std::size_t>(item.iItem) >= table_->RowCount())
        return;
    shownCell_ = Utf8ToWide(table_->Cell(static_cast<std::size_t>(item.iItem), static_cast<std::size_t>(item.iSubItem)));
    const std::size_t length = std::min(shownCell_.size(), static_cast<std::size_t>(item.cchTextMax - 1));
    std::copy_n(shownCell_.c_str(), length, item.pszText);
    item.pszText[length] = L'\0';
}

// Sorted, with the heading's arrow on the sorted column, up for ascending.
void ReportList::SortBy(int column) {
    table_->SortBy(static_cast<std::size_t>(column));
    const HWND headerControl = reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETHEADER, 0, 0));
    for (std::size_t index = 0; index < table_->Headings().size(); ++index) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        SendMessageW(headerControl, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (index == table_->SortColumn()) item.fmt |= table_->SortedAscending() ? HDF_SORTUP : HDF_SORTDOWN;
        SendMessageW(headerControl, HDM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
}

}  // namespace zorbel::win32
