#pragma once
// One NAVTEX message as read from the decoded characters.

#include <cstddef>
#include <string>

namespace navtex {

// Where a header character could not be recovered.
inline constexpr char kUnknown = '*';

struct NavtexMessage {
    // B1B2B3B4: station letter, subject letter, two-digit serial; kUnknown
    // where a damaged character could not be recovered.
    std::string id;
    bool headerRecovered = false;  // some header character was damaged
    bool complete = false;         // ended by NNNN ("unvollständig" otherwise)
    // Between the header line and NNNN, line ends as received.
    std::string text;
    // Header and text without line ends, and of those the erased or doubtful.
    std::size_t characters = 0;
    std::size_t wrong = 0;

    // Share of characters wrong, 0 to 1: the character error rate.
    double ErrorRate() const { return characters == 0 ? 0.0 : static_cast<double>(wrong) / characters; }
    char Station() const { return id[0]; }
    char Subject() const { return id[1]; }
    // Nothing known of a message whose identity was partly lost: it cannot be
    // recognised as a repeat.
    bool IdentityKnown() const { return id.find(kUnknown) == std::string::npos; }
    bool AlwaysShown() const { return id.ends_with("00"); }
};

}  // namespace navtex
