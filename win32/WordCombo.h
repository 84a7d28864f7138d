#pragma once
// One word-list combo box (start or stop words). Its edit part reports the keys
// that edit the list; entries and edit text are 8-bit ANSI.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "win32/ChildWindow.h"
#include "win32/Tooltips.h"
#include "win32/WindowSubclass.h"

namespace zorbel::win32 {

class WordCombo {
public:
    using KeyHandler = std::function<void(int keyCode)>;

    // A combo box's place holds its drop-down list: the closed box is its top.
    void Create(const ChildPlace& at, Tooltips& tooltips, const wchar_t* tooltip, KeyHandler onKeyDown);

    void ClearEntries();
    void AppendEntry(std::string_view cp1252Text);
    void RemoveEntry(std::size_t index);
    void SetEditText(std::string_view cp1252Text);
    std::string EditText() const;
    std::optional<std::size_t> SelectedIndex() const;
    void SetEnabled(bool enabled);
    HWND Hwnd() const { return hwnd_; }
    // The closed box's width in which the edit part shows the text whole, in the control's font.
    int WidthShowing(std::wstring_view text) const;

private:
    std::optional<LRESULT> OnEditMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HWND editHwnd_ = nullptr;
    KeyHandler onKeyDown_;
    WindowSubclass edit_;
};

}  // namespace zorbel::win32
