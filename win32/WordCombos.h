#pragma once
// The two word-list combo boxes, start words and stop words.

#include "platform/WordListView.h"
#include "win32/WordCombo.h"

namespace zorbel::win32 {

class WordCombos : public platform::WordListView {
public:
    WordCombo& Combo(platform::WordList list) { return list == platform::WordList::Start ? start_ : stop_; }
    const WordCombo& Combo(platform::WordList list) const {
        return list == platform::WordList::Start ? start_ : stop_;
    }

    void ClearEntries(platform::WordList list) override { Combo(list).ClearEntries(); }
    void AppendEntry(platform::WordList list, std::string_view cp1252Text) override {
        Combo(list).AppendEntry(cp1252Text);
    }
    void RemoveEntry(platform::WordList list, std::size_t index) override { Combo(list).RemoveEntry(index); }
    void SetEditText(platform::WordList list, std::string_view cp1252Text) override {
        Combo(list).SetEditText(cp1252Text);
    }
    std::string EditText(platform::WordList list) const override { return Combo(list).EditText(); }
    std::optional<std::size_t> SelectedIndex(platform::WordList list) const override {
        return Combo(list).SelectedIndex();
    }
    void SetEnabled(platform::WordList list, bool enabled) override { Combo(list).SetEnabled(enabled); }

private:
    WordCombo start_;
    WordCombo stop_;
};

}  // namespace zorbel::win32
