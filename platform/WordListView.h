#pragma once
// The two word-list combo boxes: start words and stop words.
// Entries and edit texts are 8-bit ANSI, as they are matched against received text.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorbel::platform {

enum class WordList { Start, Stop };

class WordListView {
public:
    virtual ~WordListView() = default;
    // Removes every entry; the edit text is left alone.
    virtual void ClearEntries(WordList list) = 0;
    virtual void AppendEntry(WordList list, std::string_view ansiText) = 0;
    virtual void RemoveEntry(WordList list, std::size_t index) = 0;
    virtual void SetEditText(WordList list, std::string_view ansiText) = 0;
    virtual std::string EditText(WordList list) const = 0;
    // The entry selected in the drop-down list, if any.
    virtual std::optional<std::size_t> SelectedIndex(WordList list) const = 0;
    virtual void SetEnabled(WordList list, bool enabled) = 0;
};

}  // namespace zorbel::platform
