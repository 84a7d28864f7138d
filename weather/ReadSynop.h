#pragma once
// Every weather report in a saved Synop file or a selection of received text, decoded, with the
// station table's name and position.

#include <string_view>
#include <vector>

#include "weather/SynopReport.h"

namespace weather {

std::vector<SynopReport> ReadSynopReports(std::string_view cp1252Text);

// Said for a file or a selection in which no report was found.
inline constexpr std::string_view kNoWeatherReport = "Hier steht kein Wetterbericht (SYNOP, AAXX oder BBXX).";

}  // namespace weather
