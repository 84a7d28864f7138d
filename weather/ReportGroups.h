#pragma once
// The weather reports in received text, still as groups: bulletin headings, the AAXX (land) and
// BBXX (ship) sections and each report's groups up to its "=". Where the "=" was lost, a line
// that cannot continue the report (a group out of the ascending order, a ship's call sign)
// starts the next one; a group split over two lines is joined again.

#include <string>
#include <string_view>
#include <vector>

namespace weather {

struct ReportGroups {
    std::string bulletin;             // the heading above, e.g. "SMDL01 EDZW 070600"; empty without one
    bool isShip = false;              // from a BBXX section
    std::string dateGroup;            // a land report's YYGGiw from its AAXX line; a ship has its own
    std::vector<std::string> groups;  // as received (code page 1252)
};

// "222Dsvs", "333", "444", "555": where a report's section 2, 3, 4 or 5 begins.
bool IsSectionMarker(std::string_view group);

// "SMDL01 EDZW 070600" (perhaps with a correction mark "CCA"): a bulletin's heading line.
bool IsBulletinHeading(std::string_view line);

// Text as ZORBEL saves it: code page 1252, lines ended by CR LF, LF or CR. Text outside an
// AAXX or BBXX section (headings, plain-language bulletins, "NNNN") holds no report.
std::vector<ReportGroups> SplitReports(std::string_view cp1252Text);

}  // namespace weather
