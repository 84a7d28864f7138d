// Weather reports as they come out of a saved file, garbled, split or without their "=".

#include <gtest/gtest.h>

#include <iomanip>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "weather/ReadSynop.h"

namespace weather {
namespace {

// A report in one line: what a listener reads from it; "-" where it gives nothing.
std::string Summary(const SynopReport& report) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(1);
    const auto put = [&out](const char* label, const auto& value) {
        out << label;
        if (value) out << *value; else out << '-';
    };
    out << report.station << (report.isShip ? " ship" : "") << (report.isNil ? " NIL" : "") << " '"
        << report.stationName << "'";
    put(" lat ", report.latitudeDeg), put(" lon ", report.longitudeDeg), put(" day ", report.day);
    put(" hour ", report.hour);
    out << (report.windIsCalm ? " calm" : "") << (report.windIsVariable ? " variable" : "");
    put(" dir ", report.windDirectionDeg), put(" kn ", report.windKnots), put(" Bft ", report.windBeaufort);
    put(" gust ", report.gustKnots), put(" vis ", report.visibilityMetres), put(" ww ", report.presentWeather);
    put(" N ", report.cloudOctas), put(" T ", report.temperatureC), put(" Td ", report.dewPointC);
    put(" P ", report.seaLevelPressureHpa), put(" Po ", report.stationPressureHpa);
    put(" dP ", report.pressureChangeHpa), put(" R ", report.precipitationMm), put("/", report.precipitationHours);
    put(" Tw ", report.waterTemperatureC), put(" H ", report.waveHeightM);
    for (const SkippedGroup& skipped : report.skipped) out << " [" << skipped.text << ": " << skipped.reason << "]";
    return out.str();
}

// Section 3 and the values beside those of the summary.
std::string Section3(const SynopReport& report) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(1);
    out << "Tx " << report.maxTemperatureC.value_or(-99) << " Tn " << report.minTemperatureC.value_or(-99)
        << " sun " << report.sunshineHours.value_or(-1) << " R24 " << report.precipitation24hMm.value_or(-1)
        << " R3 " << report.furtherPrecipitationMm.value_or(-1) << "/" << report.furtherPrecipitationHours.value_or(-1)
        << " g10 " << report.gustTenMinutesKnots.value_or(-1) << " g " << report.gustPeriodKnots.value_or(-1) << "/"
        << report.gustPeriodMinutes.value_or(-1) << " z " << report.geopotentialLevelHpa.value_or(-1) << "/"
        << report.geopotentialMetres.value_or(-1);
    for (const CloudLayer& layer : report.cloudLayers) {
        out << " layer " << layer.octas.value_or(-1) << "/" << layer.genus.value_or(-1) << "/"
            << layer.baseMetres.value_or(-1);
    }
    return out.str();
}

// The sample broadcast's shape: reports ended by their line only, one "=" at the end, and a
// heading line between; one group cut in two by the line end.
constexpr char kBulletin[] =
    "ZCZC 104\r\n"
    "SMDL01 EDZW 070600\r\n"
    "AAXX 07061\r\n"
    "10015 41580 73114 10078 20052 30037 40042 58012 69902 81/56\r\n"
    "222// 00095 20305\r\n"
    "10020 41570 72616 1OO82 20060 3005 40050 57010 82/51 99999\r\n"
    "10147 31765 82016 10071 20048 30034 40039 57011 83/52\r\n"
    "333 10085 21012 55041 70012 83358 91018=\r\n"
    "10113 NIL=\r\n"
    "10091 46458 72213 10068 20044 30048 40058 580\r\n"
    "15 76162 86/59=\r\n"
    "99999 46/99 39999 00120 1//// 4////\r\n"
    "=\r\n"
    "NNNN\r\n"
    "FQEN71 EDZW 070600\r\n"
    "DEUTSCHE BUCHT 10015 WEST 7\r\n"
    "NNNN\r\n"
    "SMVX01 EDZW 070600\r\n"
    "BBXX\r\n"
    "DBBH 07064 99545 10072 41/96 82720 11042 21003 40018 58006 70262 8583/\r\n"
    "22254 00098 20608 310// 40710=\r\n"
    "DCXY 07064 99549 50030 41/97 00000 10\xE4\x31\x32 40180=\r\n";

TEST(SynopDecoderTest, ReadsEveryReportOfABulletinAsTheListenerNeedsIt) {
    const std::vector<SynopReport> reports = ReadSynopReports(kBulletin);
    const std::vector<std::string> expected = {
        // Section 1 and a coastal station's section 2; 990 is a trace, in 12 hours.
        "10015 'Helgoland' lat 54.2 lon 7.9 day 7 hour 6 dir 310 kn 27.2 Bft 7 gust - vis 30000 ww - N 7 T 7.8 "
        "Td 5.2 P 1004.2 Po 1003.7 dP -1.2 R 0.0/12 Tw 9.5 H 2.5",
        // A letter, a missing figure and an impossible hour: the rest still decodes.
        "10020 'List auf Sylt' lat 55.0 lon 8.4 day 7 hour 6 dir 260 kn 31.1 Bft 7 gust - vis 20000 ww - N 7 T - "
        "Td 6.0 P 1005.0 Po - dP -1.0 R -/- Tw - H - [1OO82: Buchstaben oder Zeichen statt Ziffern] "
        "[3005: nicht fünf Ziffern] [99999: unmöglicher Wert]",
        // Section 3 gives the gust (m/s to knots); iR 3 means no precipitation.
        "10147 'Hamburg-Fuhlsbüttel' lat 53.6 lon 10.0 day 7 hour 6 dir 200 kn 31.1 Bft 7 gust 35.0 vis 15000 ww - "
        "N 8 T 7.1 Td 4.8 P 1003.9 Po 1003.4 dP -1.1 R 0.0/- Tw - H -",
        "10113 NIL 'Norderney' lat 53.7 lon 7.2 day 7 hour 6 dir - kn - Bft - gust - vis - ww - N - T - Td - P - Po - "
        "dP - R -/- Tw - H -",
        // "580" + "15" joined again across the line end.
        "10091 'Arkona' lat 54.7 lon 13.4 day 7 hour 6 dir 220 kn 25.3 Bft 6 gust - vis 8000 ww 61 N 7 T 6.8 "
        "Td 4.4 P 1005.8 Po 1004.8 dP -1.5 R -/- Tw - H -",
        // Not in the table: still decoded. Variable wind of 120 m/s via 00fff, clear limits.
        "99999 '' lat - lon - day 7 hour 6 variable dir - kn 233.3 Bft 12 gust - vis 50000 ww - N 3 T - Td - P - "
        "Po - dP - R -/- Tw - H -",
        // A ship in knots: its own position, negative temperatures, its sea and course.
        "DBBH ship '' lat 54.5 lon 7.2 day 7 hour 6 dir 270 kn 20.0 Bft 5 gust - vis 4000 ww 2 N 8 T -4.2 "
        "Td -0.3 P 1001.8 Po - dP -0.6 R -/- Tw 9.8 H 4.0",
        // South and west by its quadrant; calm; a code page 1252 letter reported as UTF-8.
        "DCXY ship '' lat -54.9 lon -3.0 day 7 hour 6 calm dir - kn 0.0 Bft 0 gust - vis 10000 ww - N 0 T - Td - "
        "P 1018.0 Po - dP - R -/- Tw - H - [10\xC3\xA4\x31\x32: Buchstaben oder Zeichen statt Ziffern]",
    };
    ASSERT_EQ(reports.size(), expected.size());
    for (std::size_t at = 0; at < reports.size(); ++at) EXPECT_EQ(Summary(reports[at]), expected[at]) << at;
    EXPECT_EQ(reports[0].bulletin, "SMDL01 EDZW 070600");
    EXPECT_EQ(reports[6].bulletin, "SMVX01 EDZW 070600");
    EXPECT_EQ(reports[4].original, "10091 46458 72213 10068 20044 30048 40058 58015 76162 86/59");
    EXPECT_EQ(Section3(reports[2]),
              "Tx 8.5 Tn -1.2 sun 4.1 R24 1.2 R3 -1.0/-1 g10 35.0 g -1.0/-1 z -1/-1 layer 3/3/2400");
    const SynopReport& ship = reports[6];
    EXPECT_EQ((std::vector<std::optional<double>>{ship.shipCourseCode, ship.shipSpeedCode, ship.wavePeriodS,
                                                  ship.swellDirectionDeg, ship.swellPeriodS, ship.swellHeightM,
                                                  ship.pastWeather1, ship.middleCloudType, ship.highCloudType}),
              (std::vector<std::optional<double>>{5, 4, 6, 100, 7, 5.0, 6, 3, std::nullopt}));
}

// Where the "=" was lost, the line decides: a group that cannot continue the report's order of
// groups starts the next one.
TEST(SynopDecoderTest, SplitsReportsWhoseEndWasLost) {
    const struct {
        const char* text;
        std::vector<std::string> stations;
    } cases[] = {
        {"AAXX 07061\n10015 41580 73114 10078\n20052 30037\n10020 41570 72616 10082\n", {"10015", "10020"}},
        {"AAXX 07061\n10015 41580\n73114 10078 20052\n", {"10015"}},
        {"AAXX 07061\n10400 NIL\n10410 41580 73114\n", {"10400", "10410"}},
        {"AAXX 07061\n10015 41580 73114 10078 333\n10085 21012\n10020 41570 72616\n", {"10015", "10020"}},
        {"BBXX\nDBBH 07064 99545 10072 41/96 82720\n11042 21003\nDCXY 07064 99549 70030\n", {"DBBH", "DCXY"}},
        {"10015 41580 73114 10078\nNNNN\n", {}},
        {"AAXX 07061\n10015 41580 73114\nNNNN\n10020 41570 72616\n", {"10015"}},
        {"WETTER AM MORGEN\r\nSEE 3 METER\r\n", {}},
        {"", {}},
    };
    for (const auto& sample : cases) {
        std::vector<std::string> stations;
        for (const SynopReport& report : ReadSynopReports(sample.text)) stations.push_back(report.station);
        EXPECT_EQ(stations, sample.stations) << sample.text;
    }
}

TEST(SynopDecoderTest, TakesUnitsAndSpecialValuesFromTheGroups) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        // iw 3: estimated knots; 99 knots and more in 00fff.
        {"AAXX 07063 10015 41580 73699 00105 10250 29085 49980",
         "10015 'Helgoland' lat 54.2 lon 7.9 day 7 hour 6 dir 360 kn 105.0 Bft 12 gust - vis 30000 ww - N 7 "
         "T 25.0 Td - P 998.0 Po - dP - R -/- Tw - H -"},
        // Amounts of precipitation: 991..999 are tenths, tR 5 is the last hour; with iR 0 section 3
        // holds another period's amount, with iR 2 the only one.
        {"AAXX 07061 10015 01580 73114 69955 333 60012",
         "R 0.5/1 Tw - H - | Tx -99.0 Tn -99.0 sun -1.0 R24 -1.0 R3 1.0/12"},
        {"AAXX 07061 10015 21580 73114 333 60011", "R 1.0/6"},
        // After 55SSS the radiation groups j5FFFF: with iR 1 a 6-group there is radiation; with iR 2
        // it is precipitation, unless a second 6-group follows; 5FFFF is radiation, 553SS is not.
        {"AAXX 01004 89022 12782 61506 30111 333 55055 01234 60329", "R -/- Tw - H - | Tx -99.0 Tn -99.0 sun 5.5"},
        {"AAXX 01004 89022 22782 61506 30111 333 55055 01234 60329", "R 32.0/15"},
        {"AAXX 01004 89022 22782 61506 30111 333 55055 20123 52345 55301 40012 60329 60102 70123",
         "R 10.0/12 Tw - H - | Tx -99.0 Tn -99.0 sun 5.5 R24 12.3"},
        // Gusts in knots: 910ff of the last 10 minutes, 911ff of the 6 hours of W1W2 or of 907tt's
        // 10 tenths of an hour.
        {"AAXX 07064 10015 41580 73114 333 91035 91148", "gust 48.0 vis 30000 ww - N 7 T - Td - P - Po - dP - "
                                                         "R -/- Tw - H - | Tx -99.0 Tn -99.0 sun -1.0 R24 -1.0 "
                                                         "R3 -1.0/-1 g10 35.0 g 48.0/360"},
        {"AAXX 07094 10015 41580 73114 333 90710 91130", "g10 -1.0 g 30.0/60"},
        // A geopotential group stands where 4PPPP would; the duplicate 1-group is refused.
        {"AAXX 07061 10015 41580 73114 10078 10079 3//// 48512",
         "T 7.8 Td - P - Po - dP - R -/- Tw - H - [10079: Kennziffer doppelt]"},
        // Out of range: wind direction 37, VV 51, pressure tendency a 9, sign 2 of a temperature.
        {"AAXX 07061 10015 41551 73714 12012 59010", "dir - kn - Bft - gust - vis - ww - N - T - Td - P - Po - "
                                                     "dP - R -/- Tw - H - [41551: unmöglicher Wert] [73714: "
                                                     "unmöglicher Wert] [12012: unmöglicher Wert] [59010: "
                                                     "unmöglicher Wert]"},
        // Beyond what the earth has seen: a dew point of -95 °C, a change of 87.4 hPa in 3 hours,
        // sea water of -5 °C; -89 °C and 40 hPa still are possible.
        {"AAXX 07061 89606 41580 73114 11890 21950 50874", "T -89.0 Td - P - Po - dP - R -/- Tw - H - "
                                                           "[21950: unmöglicher Wert] [50874: unmöglicher Wert]"},
        {"BBXX DBBH 07064 99545 10072 41/96 82720 58400 22200 01050", "dP -40.0 R -/- Tw - H - [01050: unmöglicher "
                                                                      "Wert]"},
        // a 4 is "steady": a change with it contradicts itself; 553SS has no more than an hour of sun.
        {"AAXX 07061 10015 41580 73114 54012 333 55311", "dP - R -/- Tw - H - [54012: unmöglicher Wert] "
                                                          "[55311: unmöglicher Wert]"},
        // Without its date group the report still decodes, without day, hour or wind speed.
        {"AAXX 0706 10015 41580 73114 10078", "day - hour - dir 310 kn - Bft - gust - vis 30000 ww - N 7 T 7.8 "
                                             "Td - P - Po - dP - R -/- Tw - H - [0706: Tag, Stunde und Windeinheit "
                                             "unlesbar]"},
    };
    for (const auto& sample : cases) {
        const std::vector<SynopReport> reports = ReadSynopReports(sample.text);
        ASSERT_EQ(reports.size(), 1u) << sample.text;
        const std::string decoded = Summary(reports[0]) + " | " + Section3(reports[0]);
        EXPECT_NE(decoded.find(sample.expected), std::string::npos) << sample.text << "\n" << decoded;
    }
    // 4a3hhh: each standard level's height without its thousands digit.
    const std::pair<const char*, const char*> geopotential[] = {
        {"41120", "z 1000/120"}, {"41520", "z 1000/-20"}, {"42010", "z 925/1010"}, {"42760", "z 925/760"},
        {"48512", "z 850/1512"}, {"47980", "z 700/2980"}, {"47010", "z 700/3010"}, {"45880", "z 500/5880"},
        {"4/185", "z -1/-1"}};
    for (const auto& [group, expected] : geopotential) {
        const std::string decoded =
            Section3(ReadSynopReports(std::string("AAXX 20104 89646 46/// /2299 00113 29079 37708 ") + group)[0]);
        EXPECT_NE(decoded.find(expected), std::string::npos) << group << "\n" << decoded;
    }
}

}  // namespace
}  // namespace weather
