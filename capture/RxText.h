#pragma once
// The Rx window's text as reception and the file commands both change it:
// lines appended at its end with the line count in status panel 2, the keys
// that change the count, and whether the text is the user's to save.

#include <cstdint>
#include <string_view>

#include "platform/RxEditListener.h"
#include "platform/RxView.h"
#include "platform/StatusPanels.h"

namespace zorbel {

class RxText : public platform::RxEditListener {
public:
    RxText(platform::RxView& rx, platform::StatusPanels& panels);

    // A whole line (8-bit ANSI) at the end of the window, counted: panel 2
    // shows the count held at the append, raised just after it.
    void AppendLine(std::string_view ansiLine);
    // A chunk the long-line guard cut off: counted first, so the panel
    // already shows it at the append.
    void AppendLongLineChunk(std::string_view ansiChunk);

    // The window's text changed in any way: panel 2 shows the count held now.
    void RxTextChanged() override { ShowLineCount(); }
    // Enter adds a line, Delete takes away the line ends of the selection.
    void RxKeyDown(int keyCode) override;
    void RxEditedByUser() override { unsaved_ = true; }

    // Emptied by the user: the count starts again, and the panel shows none.
    void Cleared();
    // Replaced by a file: the panel shows no count until the next change.
    void Replaced();
    // Emptied when reception starts again: the count starts again.
    void RestartLineCount();

    std::int32_t LineCount() const { return lineCount_; }

    // The window holds text the user has not saved; saving, opening and clearing reset it.
    bool Unsaved() const { return unsaved_; }
    void SetUnsaved(bool unsaved) { unsaved_ = unsaved; }
    // Text in the window that closing would lose.
    bool HoldsUnsavedText() const { return unsaved_ && !rx_.IsEmpty(); }

private:
    void CountLine();
    void ShowLineCount();
    void ShowNoCount();

    platform::RxView& rx_;
    platform::StatusPanels& panels_;
    std::int32_t lineCount_;
    bool unsaved_ = false;
};

}  // namespace zorbel
