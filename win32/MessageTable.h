#pragma once
// Rows of texts in a list view in report style, one row selected at a time,
// that says which row the user chose. Each row stands for a thing of the
// owner's (its key), which the owner may also choose.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "win32/ChildWindow.h"
#include "win32/ControlNotifications.h"

namespace zorbel::win32 {

struct TableRow {
    std::size_t key = 0;
    std::vector<std::wstring> cells;
};

class MessageTable : public NotifyingControl {
public:
    void Create(const ChildPlace& at, const std::vector<std::wstring>& headings,
                std::function<void(std::size_t key)> chosen);
    // Colours that set the table apart from others.
    void SetColours(COLORREF text, COLORREF background);
    // The columns widen to their texts; nothing is chosen.
    void SetRows(std::vector<TableRow> rows);
    // The row of the key chosen, or none.
    void Choose(std::optional<std::size_t> key);
    HWND Hwnd() const override { return hwnd_; }
    std::optional<LRESULT> OnOwnNotify(const NMHDR& header) override;

private:
    void FitColumns();

    HWND hwnd_ = nullptr;
    std::vector<std::wstring> headings_;
    std::size_t columns_ = 0;
    std::vector<TableRow> rows_;
    std::function<void(std::size_t)> chosen_;
    bool setting_ = false;  // our own changes are not the user's
};

}  // namespace zorbel::win32
