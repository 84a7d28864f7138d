#pragma once
// Whole NAVTEX messages as coast stations send them, for the benchmark:
// navigational warnings, gale warnings, weather forecasts, ice reports and
// distress relays, several hundred characters each, their header, places,
// positions, winds and numbers drawn from the seed, so that no figure rests
// on one text.

#include <string>

namespace navtex::bench {

struct SentMessage {
    std::string id;  // B1B2B3B4
    // From ZCZC to NNNN, line ends as CR LF, as sent.
    std::string transmission;
};

SentMessage NavtexText(unsigned seed);

}  // namespace navtex::bench
