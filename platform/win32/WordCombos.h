#pragma once
// The two word-list combo boxes, Combo1 (start words) and Combo2 (stop words).

#include <windows.h>

#include "platform/WordListView.h"

namespace zorbel::win32 {

class WordCombos : public platform::WordListView {
public:
    void Attach(HWND startCombo, HWND stopCombo);
    HWND Combo(platform::WordList list) const;

    void ClearEntries(platform::WordList list) override;
    void AppendEntry(platform::WordList list, std::string_view ansiText) override;
    void RemoveEntry(platform::WordList list, std::size_t index) override;
    void SetEditText(platform::WordList list, std::string_view ansiText) override;
    std::string EditText(platform::WordList list) const override;
    std::optional<std::size_t> SelectedIndex(platform::WordList list) const override;
    void SetEnabled(platform::WordList list, bool enabled) override;

private:
    HWND start_ = nullptr;
    HWND stop_ = nullptr;
};

}  // namespace zorbel::win32
