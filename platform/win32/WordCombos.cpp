#include "platform/win32/WordCombos.h"

#include <string>

#include "platform/win32/Encoding.h"

namespace zorbel::win32 {
namespace {

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

void WordCombos::Attach(HWND startCombo, HWND stopCombo) {
    start_ = startCombo;
    stop_ = stopCombo;
}

HWND WordCombos::Combo(platform::WordList list) const {
    return list == platform::WordList::Start ? start_ : stop_;
}

void WordCombos::ClearEntries(platform::WordList list) {
    // CB_RESETCONTENT would empty the edit field as well.
    HWND combo = Combo(list);
    const std::wstring edit = WindowText(combo);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    SetWindowTextW(combo, edit.c_str());
}

void WordCombos::AppendEntry(platform::WordList list, std::string_view ansiText) {
    const std::wstring text = AnsiToWide(ansiText);
    SendMessageW(Combo(list), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void WordCombos::RemoveEntry(platform::WordList list, std::size_t index) {
    SendMessageW(Combo(list), CB_DELETESTRING, index, 0);
}

void WordCombos::SetEditText(platform::WordList list, std::string_view ansiText) {
    SetWindowTextW(Combo(list), AnsiToWide(ansiText).c_str());
}

std::string WordCombos::EditText(platform::WordList list) const {
    return WideToAnsi(WindowText(Combo(list)));
}

std::optional<std::size_t> WordCombos::SelectedIndex(platform::WordList list) const {
    const LRESULT index = SendMessageW(Combo(list), CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return std::nullopt;
    return static_cast<std::size_t>(index);
}

void WordCombos::SetEnabled(platform::WordList list, bool enabled) {
    EnableWindow(Combo(list), enabled);
}

}  // namespace zorbel::win32
