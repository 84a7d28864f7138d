#pragma once
// A chart ended, saved as a PNG file into the chart folder (made when it is
// missing) under the name that says what it is: its start, its title from
// the weather service's schedule, the frequency, and whether it was cut off.
// A name already taken gets a number; nothing is written over.

#include <string>

#include "zorbel-engine/FaxReceiver.h"

namespace zorbel::engine_side {

struct ChartSaved {
    bool saved = false;
    std::wstring text;  // the file's name, or why it could not be saved (German)
};

ChartSaved SaveChart(const ReceivedChart& chart, int frequencyHz, const std::wstring& wideFolder);

}  // namespace zorbel::engine_side
