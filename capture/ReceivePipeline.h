#pragma once
// The path of received text into the Rx window: the line buffer shown in the
// receive line with its long-line guard, the append at the end of the Rx
// window, and the line count in status panel 2. Where a line goes is the
// capture state machine's decision, not this one's.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/LineLabel.h"
#include "platform/RxView.h"
#include "platform/StatusPanels.h"

namespace zorbel {

// What one received character completed: a chunk the long-line guard cut
// off, a line ended by its line feed, both (a line feed as the 81st
// character), or neither.
struct ReceivedText {
    std::string overflow;             // 81 characters of a long line, or empty
    std::optional<std::string> line;  // what the guard left of the line, its line feed included (maybe "")
};

class ReceivePipeline {
public:
    ReceivePipeline(platform::RxView& rx, platform::StatusPanels& panels, platform::LineLabel& label);

    // One 8-bit character from the engine: CR is skipped, the rest joins the
    // line buffer shown in the receive line. A buffer of more than 80
    // characters is handed back as overflow and emptied.
    ReceivedText TakeCharacter(char ansiChar);
    // The line cut off by the end of reception, with its line feed added, and
    // the buffer emptied; none when no character arrived since the last line feed.
    std::optional<std::string> TakeHalfLine();

    // Inserts the text at the end of the Rx window; counts nothing itself.
    void AppendToRxWindow(std::string_view ansiText);

    std::int32_t RxLineCount() const { return rxLineCount_; }
    void CountRxLine();
    void ResetRxLineCount();

    // The Rx window's text changed: panel 2 shows the count held now.
    void OnRxWindowChanged();
    // A key went down in the Rx window, before the control handles it.
    void OnRxKeyDown(int keyCode);

private:
    void ShowLineCount();

    platform::RxView& rx_;
    platform::StatusPanels& panels_;
    platform::LineLabel& label_;
    std::string lineBuffer_;
    // Characters arrived since the last line feed, in the buffer or handed back as overflow.
    bool lineUnfinished_ = false;
    std::int32_t rxLineCount_;
};

}  // namespace zorbel
