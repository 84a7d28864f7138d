#pragma once
// Finds NAVTEX messages in decoded characters as they arrive (from the engine
// or the Rx text: CR and LF as 13 and 10, '*' for a character neither copy
// yielded): ZCZC B1B2B3B4, the text, NNNN.
//
// A header with up to two damaged characters (erased, or wrong, as a lost
// letters or figures shift makes them) is still taken: each character is
// recovered from what it must be (B1 a letter A-X, B2 a subject letter, B3B4
// figures) and the message says it was recovered. Digits right after ZCZC are
// the weather service's RTTY numbering (ZCZC 104), never a NAVTEX header. A
// message whose NNNN was lost ends at the next header, at the end of the
// signal, or when it grows longer than any broadcast slot can carry; it is
// then incomplete. What comes between messages is dropped.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "navtex/NavtexMessage.h"

namespace navtex {

// A 10-minute slot carries about 4,300 characters; a message longer than
// this has lost its end and is closed before it can take up all memory.
inline constexpr std::size_t kLongestText = 10000;

class MessageReader {
public:
    // The messages these characters end, in order.
    std::vector<NavtexMessage> Read(std::string_view characters);
    // A long silence or the end of the input: a message still open is
    // closed as incomplete.
    std::optional<NavtexMessage> EndOfSignal();

private:
    void Take(char character, std::vector<NavtexMessage>& ended);
    NavtexMessage Close(bool complete);

    std::string recent_;  // the last characters, where a header or NNNN is looked for
    std::optional<NavtexMessage> open_;
};

}  // namespace navtex
