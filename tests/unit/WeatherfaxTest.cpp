// Received charts named and found: the title from the schedule, the file name, the folder's charts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "weatherfax/ChartName.h"
#include "weatherfax/ChartSchedule.h"

namespace weatherfax {
namespace {

constexpr UtcSeconds k7Dec2026 = 1'796'601'600;  // 00:00 UTC

TEST(ChartSchedule, AStartTakesTheChartBegunUpToTwelveMinutesBeforeOrTwoAfter) {
    const struct {
        int minute;
        std::string_view title;
    } cases[] = {
        {5 * 60 + 12, "Bodendruck-Vorhersage +36 h"},
        {5 * 60 + 10, "Bodendruck-Vorhersage +36 h"},          // the station a little early
        {5 * 60 + 23, "Bodendruck-Analyse mit Eisgrenzen"},    // 05:25 is nearer than 05:12
        {5 * 60 + 24, "Bodendruck-Analyse mit Eisgrenzen"},
        {22 * 60 + 12, "Bodenanalyse"},                        // taken up in the middle
        {22 * 60 + 13, ""},                                    // after the last chart's end
        {12 * 60 + 40, ""},                                    // the repetitions, unnamed
        {0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScheduledTitle(c.minute).value_or(""), c.title) << c.minute / 60 << ":" << c.minute % 60;
}

// The name carries time, title, frequency and cut-off and reads back; a folder's charts are listed newest first.
TEST(ChartName, CarriesTimeTitleFrequencyAndCutOffAndReadsBackAndAFoldersChartsComeNewestFirst) {
    const auto chart = [](UtcSeconds start, const char* title, int hz, bool incomplete, int copy) {
        ReceivedChart made;
        made.start = start, made.title = title, made.frequencyHz = hz, made.incomplete = incomplete, made.copy = copy;
        return made;
    };
    const std::vector<std::pair<ReceivedChart, std::string>> cases{
        {chart(k7Dec2026 + 5 * 3600 + 12 * 60, "Bodendruck-Vorhersage +36 h", 7'880'000, false, 1),
         "2026-12-07 0512 UTC Bodendruck-Vorhersage +36 h (7880 kHz).png"},
        {chart(k7Dec2026 + 23 * 3600 + 59 * 60, "Eiskarte (Wiederholung)", 13'882'500, true, 2),
         "2026-12-07 2359 UTC Eiskarte (Wiederholung) (13882,5 kHz) unvollst\xC3\xA4ndig (2).png"},
        {chart(k7Dec2026, "", 3'855'000, false, 1), "2026-12-07 0000 UTC Wetterkarte (3855 kHz).png"},
        {chart(k7Dec2026, "500 hPa +12/+24 h: \"Nord\"", 7'880'000, false, 1),
         "2026-12-07 0000 UTC 500 hPa +12-+24 h- -Nord- (7880 kHz).png"},  // what a file name cannot hold
    };
    for (const auto& [made, name] : cases) {
        EXPECT_EQ(ChartFileName(made), name);
        const auto read = ReadChartFileName(name);
        ASSERT_TRUE(read) << name;
        EXPECT_EQ(ChartFileName(*read), name);
    }
    for (const char* other : {"Synop07Dez2026-0600.txt", "2026-02-30 0512 UTC Karte (7880 kHz).png",
                              "2026-12-07 0512 UTC Karte.png", "2026-12-07 0512 UTC Karte (99999999999 kHz).png"})
        EXPECT_FALSE(ReadChartFileName(other)) << other;
    const std::vector<std::string> names{"2026-12-06 2200 UTC Bodenanalyse (7880 kHz).png", "notiz.txt",
                                         "2026-12-07 0512 UTC Wetterkarte (3855 kHz).png",
                                         "2026-12-07 0512 UTC Wetterkarte (3855 kHz) (2).png"};
    std::string listed;
    for (const ListedChart& row : ChartsNewestFirst(names))
        listed += StartText(row.chart.start) + " " + FrequencyText(row.chart.frequencyHz) + " " +
                  std::to_string(row.chart.copy) + "|";
    EXPECT_EQ(listed, "07.12.2026 05:12 3855 kHz 2|07.12.2026 05:12 3855 kHz 1|06.12.2026 22:00 7880 kHz 1|");
}

}  // namespace
}  // namespace weatherfax
