// "Wetter lesen" on a selection: report lines without their AAXX or BBXX line take the nearest above.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "weather/ReadSynop.h"
#include "weather/ReportSelection.h"

namespace weather {
namespace {

// The selection is marked with [ and ] in the received text.
std::string Read(std::string marked) {
    const std::size_t begin = marked.find('[');
    marked.erase(begin, 1);
    const std::size_t end = marked.find(']');
    marked.erase(end, 1);
    return SelectionWithItsSection(marked, begin, end);
}

TEST(ReportSelection, ReportLinesTakeTheSectionAndHeadingAboveThem) {
    const std::string bulletin =
        "ZCZC 123\rSMDL01 EDZW 070600\rAAXX 07061\r10015 41580 73114 10078=\r10020 41570 72616 10082=\r";
    struct Case {
        std::string marked, expected;
    };
    for (const Case& c : std::vector<Case>{
             // Lines under an AAXX, whole or begun inside the first one.
             {bulletin + "[10147 31765 82016 10071=\r]NNNN",
              "SMDL01 EDZW 070600\r\nAAXX 07061\r\n10147 31765 82016 10071=\r"},
             {"SMDL01 EDZW 070600\rAAXX 07061\r10015 41580 73114 10078=\r10020 41[570 72616 10082=]",
              "SMDL01 EDZW 070600\r\nAAXX 07061\r\n10020 41570 72616 10082="},
             // No heading above the section; a report on the AAXX line itself stays out.
             {"AAXX 07061 10015 41580 73114 10078=\n\n[10020 41570 72616 10082=]",
              "AAXX 07061\r\n10020 41570 72616 10082="},
             {"BBXX\rDBBH 22064 99541 70067 41598 72016=\r[DHVX 22064 99543 70072 41598 62014=]",
              "BBXX\r\nDHVX 22064 99543 70072 41598 62014="},
             // A selection with its own section is read as it is.
             {bulletin + "[AAXX 07121\r10147 31765 82016 10071=]", "AAXX 07121\r10147 31765 82016 10071="},
             // The section above ended: nothing is borrowed across NNNN or another heading.
             {"AAXX 07061\r10015 41580 73114 10078=\rNNNN\r[10020 41570 72616 10082=]", "10020 41570 72616 10082="},
             {"AAXX 07061\r10015 41580=\rFQDL41 EDZW 070600\r[10020 41570 72616 10082=]", "10020 41570 72616 10082="},
             {"[10020 41570 72616 10082=]", "10020 41570 72616 10082="},
         }) {
        EXPECT_EQ(c.expected, Read(c.marked)) << c.marked;
    }
    const std::vector<SynopReport> reports = ReadSynopReports(Read(bulletin + "[10147 31765 82016 10071=]"));
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ("SMDL01 EDZW 070600 10147 day 7 hour 6",
              reports[0].bulletin + ' ' + reports[0].station + " day " + std::to_string(reports[0].day.value_or(0)) +
                  " hour " + std::to_string(reports[0].hour.value_or(-1)));
}

}  // namespace
}  // namespace weather
