#pragma once
// One report's groups decoded into values (FM 12 SYNOP sections 0 to 3, FM 13 SHIP). A group
// with a letter, of the wrong length or with an impossible value is left out and listed in
// `skipped` with the reason; the rest of the report is still read. Station names and positions
// are not looked up here.

#include "weather/ReportGroups.h"
#include "weather/SynopReport.h"

namespace weather {

SynopReport DecodeReport(const ReportGroups& report);

}  // namespace weather
