#pragma once
// The two word-list combo boxes as plain state.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/WordListView.h"

namespace zorbel::fakes {

class FakeWordListView : public platform::WordListView {
public:
    struct Combo {
        std::vector<std::string> entries;
        std::string editText;
        std::optional<std::size_t> selected;
        bool enabled = true;
    };

    void ClearEntries(platform::WordList list) override { combos[list].entries.clear(); }
    void AppendEntry(platform::WordList list, std::string_view ansiText) override {
        combos[list].entries.emplace_back(ansiText);
    }
    void RemoveEntry(platform::WordList list, std::size_t index) override {
        auto& entries = combos[list].entries;
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    }
    void SetEditText(platform::WordList list, std::string_view ansiText) override {
        combos[list].editText = ansiText;
    }
    std::string EditText(platform::WordList list) const override { return combos.at(list).editText; }
    std::optional<std::size_t> SelectedIndex(platform::WordList list) const override {
        return combos.at(list).selected;
    }
    void SetEnabled(platform::WordList list, bool enabled) override { combos[list].enabled = enabled; }

    Combo& Start() { return combos[platform::WordList::Start]; }
    Combo& Stop() { return combos[platform::WordList::Stop]; }

    std::map<platform::WordList, Combo> combos{{platform::WordList::Start, {}}, {platform::WordList::Stop, {}}};
};

}  // namespace zorbel::fakes
