#pragma once
// The weather reports as a table: a list view in report style that asks for
// the cells it shows, sorted by the column whose heading is clicked, with the
// heading's arrow on the sorted column.

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "weather/view/ReportTable.h"
#include "win32/ChildWindow.h"
#include "win32/ControlNotifications.h"

namespace zorbel::win32 {

class ReportList : public NotifyingControl {
public:
    // `table` must outlive the control.
    void Create(const ChildPlace& at, weather::ReportTable& table);
    HWND Hwnd() const override { return hwnd_; }
    std::optional<LRESULT> OnOwnNotify(const NMHDR& header) override;

private:
    void AddColumns();
    void GiveCell(LVITEMW& item);
    void SortBy(int column);

    HWND hwnd_ = nullptr;
    weather::ReportTable* table_ = nullptr;
    std::wstring shownCell_;  // the text handed to the list for one cell, kept until the next
};

}  // namespace zorbel::win32
