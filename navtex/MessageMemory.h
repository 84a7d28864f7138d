#pragma once
// The messages received and what a receiver remembers of them: each identity
// (frequency, B1B2B3B4) for 72 hours, so that a repeat is not shown again but
// folded into the copy shown, with a count. Serial 00 and a message whose
// identity was partly lost are always shown. A repeat replaces a stored copy
// that had more than 4 % of its characters wrong (or lost its end) when the
// repeat came through better. The time is given by the caller (UTC seconds
// since 1970), so the memory reads no clock.
//
// The memory is kept as text for the next start; text that is not exactly
// what Save writes is refused as a whole, so a damaged file cannot bring in
// half a list.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "navtex/NavtexMessage.h"

namespace navtex {

using UtcSeconds = std::int64_t;

inline constexpr UtcSeconds kRememberedFor = 72 * 3600;
inline constexpr double kGoodEnough = 0.04;

struct StoredMessage {
    int frequencyHz = 0;
    NavtexMessage message;
    UtcSeconds firstReceived = 0;  // the 72 hours run from here
    UtcSeconds lastReceived = 0;
    int timesReceived = 1;
};

enum class Arrival {
    kShown,     // new: a row of its own
    kFolded,    // a repeat: counted on the row shown before
    kReplaced,  // a repeat that replaced a poorer copy: shown again in its place
};

class MessageMemory {
public:
    Arrival Receive(int frequencyHz, NavtexMessage message, UtcSeconds now);

    // Drops what was first received 72 hours or more before now: it is no
    // longer listed, and a repeat would be shown anew anyway.
    void Forget(UtcSeconds now);

    // In the order first received.
    const std::vector<StoredMessage>& Messages() const { return messages_; }

    std::string Save() const;
    // Nothing for text that Save did not write (damaged, cut short, another
    // program's file).
    static std::optional<MessageMemory> Load(std::string_view saved);

private:
    std::vector<StoredMessage> messages_;
};

}  // namespace navtex
