#pragma once
// The start-word and stop-word lists: the combo boxes that show them, the
// program-wide copies the capture logic reads, and editing by keys.

#include <string>
#include <string_view>
#include <vector>

#include "platform/WordListView.h"

namespace zorbel {

class WordLists {
public:
    explicit WordLists(platform::WordListView& view);

    // Replaces both lists from list texts and shows the prompts in the edit fields.
    void Fill(std::string_view startListText, std::string_view stopListText);

    // A key in a word box: Enter appends the edit text, Delete removes the selected entry.
    void OnKeyDown(platform::WordList list, int keyCode);

    void SetEnabled(bool enabled);

    const std::vector<std::string>& StartWords() const { return start_; }
    const std::vector<std::string>& StopWords() const { return stop_; }

private:
    std::vector<std::string>& Entries(platform::WordList list);
    void FillOne(platform::WordList list, std::string_view listText, std::string_view prompt);

    platform::WordListView& view_;
    std::vector<std::string> start_;
    std::vector<std::string> stop_;
};

}  // namespace zorbel
