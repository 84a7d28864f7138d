#include "config/WordLists.h"

#include "config/ListText.h"
#include "config/ProgramValues.h"

namespace zorbel {

using platform::WordList;

WordLists::WordLists(platform::WordListView& view) : view_(view) {}

std::vector<std::string>& WordLists::Entries(WordList list) {
    return list == WordList::Start ? start_ : stop_;
}

void WordLists::Fill(std::string_view startListText, std::string_view stopListText) {
    FillOne(WordList::Start, startListText, values::kStartWordPrompt);
    FillOne(WordList::Stop, stopListText, values::kStopWordPrompt);
}

void WordLists::FillOne(WordList list, std::string_view listText, std::string_view prompt) {
    auto& entries = Entries(list);
    view_.ClearEntries(list);
    view_.SetEditText(list, prompt);
    entries = ParseListText(listText);
    for (const auto& entry : entries) view_.AppendEntry(list, entry);
}

void WordLists::OnKeyDown(WordList list, int keyCode) {
    auto& entries = Entries(list);
    if (keyCode == values::kKeyEnter) {
        // Empty texts and duplicates are taken as typed; the edit text stays.
        entries.push_back(view_.EditText(list));
        view_.AppendEntry(list, entries.back());
    } else if (keyCode == values::kKeyDelete) {
        const auto selected = view_.SelectedIndex(list);
        if (selected && *selected < entries.size()) {
            entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(*selected));
            view_.RemoveEntry(list, *selected);
        }
    }
}

void WordLists::SetEnabled(bool enabled) {
    view_.SetEnabled(WordList::Stop, enabled);
    view_.SetEnabled(WordList::Start, enabled);
}

}  // namespace zorbel
