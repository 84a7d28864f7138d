#pragma once
// A tab control whose tabs each show one window in the area under them.

#include <windows.h>

#include <optional>
#include <vector>

#include "win32/ChildWindow.h"
#include "win32/ControlNotifications.h"

namespace zorbel::win32 {

class TabStrip : public NotifyingControl {
public:
    void Create(const ChildPlace& at);
    // A tab with its caption for a page window made after the strip, so that Tab reaches the strip first.
    void AddPage(const wchar_t* caption, HWND page);
    HWND Hwnd() const override { return hwnd_; }
    std::optional<LRESULT> OnOwnNotify(const NMHDR& header) override;

    // The strip over the whole area, the pages in the part under its tabs.
    void Place(const RECT& area);
    void Show(std::size_t tab);

private:
    HWND hwnd_ = nullptr;
    std::vector<HWND> pages_;
};

}  // namespace zorbel::win32
