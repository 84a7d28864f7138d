#pragma once
// How well a decoder's characters carry a message sent, as a listener judges
// it: the messages the MessageReader finds in them, whether one has the
// header sent (read as sent, or recovered), how many of its characters are
// wrong by the fewest edits, and any message found under another header.

#include <cstddef>
#include <string_view>

#include "navtex/bench/NavtexTexts.h"

namespace navtex::bench {

// At most this share of a message's characters wrong: received right.
inline constexpr double kMostWrongShare = 0.04;

struct MessageScore {
    bool headerExact = false;
    bool headerRecovered = false;
    // Of the message with the header sent, by the fewest edits over its
    // header and text (line ends left out); 1 where none was found.
    double messageErrorRate = 1.0;
    // Messages found under another header: invented or damaged beyond use.
    std::size_t otherHeaders = 0;
    // Of the whole transmission, ZCZC to NNNN, against all that was printed.
    double errorRate = 1.0;

    bool Right() const { return (headerExact || headerRecovered) && messageErrorRate <= kMostWrongShare; }
};

MessageScore ScoreMessage(const SentMessage& sent, std::string_view decoded);

}  // namespace navtex::bench
