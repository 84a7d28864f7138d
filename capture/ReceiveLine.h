#pragma once
// The line being received: the engine's characters gathered up to their line
// feed and shown in the receive line, with the guard that cuts a line too
// long for the Rx window. Where a finished line goes is the capture state
// machine's decision, not this one's.

#include <optional>
#include <string>

#include "platform/LineLabel.h"

namespace zorbel {

// What one received character completed: a chunk the long-line guard cut
// off, a line ended by its line feed, both (a line feed as the 81st
// character), or neither.
struct ReceivedText {
    std::string overflow;             // 81 characters of a long line, or empty
    std::optional<std::string> line;  // what the guard left of the line, its line feed included (maybe "")
};

class ReceiveLine {
public:
    explicit ReceiveLine(platform::LineLabel& label) : label_(label) {}

    // One 8-bit character from the engine: CR is skipped, the rest joins the
    // line shown in the receive line. A line of more than 80 characters is
    // handed back as overflow and emptied.
    ReceivedText TakeCharacter(char ansiChar);
    // The line cut off by the end of reception, with its line feed added, and
    // the buffer emptied; none when no character arrived since the last line feed.
    std::optional<std::string> TakeHalfLine();

private:
    platform::LineLabel& label_;
    std::string lineBuffer_;
    // Characters arrived since the last line feed, in the buffer or handed back as overflow.
    bool lineUnfinished_ = false;
};

}  // namespace zorbel
