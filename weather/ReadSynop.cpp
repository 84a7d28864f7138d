#include "weather/ReadSynop.h"

#include "weather/ReportGroups.h"
#include "weather/StationTable.h"
#include "weather/SynopDecoder.h"

namespace weather {

std::vector<SynopReport> ReadSynopReports(std::string_view cp1252Text) {
    std::vector<SynopReport> reports;
    for (const ReportGroups& groups : SplitReports(cp1252Text)) {
        SynopReport report = DecodeReport(groups);
        if (const Station* station = report.isShip ? nullptr : FindStation(report.station)) {
            report.stationName = station->name;
            report.latitudeDeg = station->latitudeDeg;
            report.longitudeDeg = station->longitudeDeg;
        }
        reports.push_back(std::move(report));
    }
    return reports;
}

}  // namespace weather
