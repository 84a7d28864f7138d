#pragma once
// A decoded report as readable German text (UTF-8): a heading line with the station and the
// time, then one line per thing observed, then the groups that could not be read.

#include <string>

#include "weather/SynopReport.h"

namespace weather {

std::string ReadableReport(const SynopReport& report);

}  // namespace weather
