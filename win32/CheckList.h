#pragma once
// A list of entries with check boxes that says which entry the user checked
// or cleared; the owner may check it again (an entry that cannot be off).

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "win32/ChildWindow.h"
#include "win32/ControlNotifications.h"

namespace zorbel::win32 {

class CheckList : public NotifyingControl {
public:
    void Create(const ChildPlace& at, std::function<void(std::size_t, bool)> changed);
    void AddEntry(const std::wstring& text, bool checked);
    void SetChecked(std::size_t entry, bool checked);
    // The control at its place, its one column as wide as the room inside.
    void Place(const RECT& place);
    HWND Hwnd() const override { return hwnd_; }
    std::optional<LRESULT> OnOwnNotify(const NMHDR& header) override;

private:
    HWND hwnd_ = nullptr;
    std::function<void(std::size_t, bool)> changed_;
    bool setting_ = false;  // our own changes are not the user's
};

}  // namespace zorbel::win32
