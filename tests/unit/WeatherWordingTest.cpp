// From code figures to what a sailor reads: units, German texts, the readable report, the spreadsheet line.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "weather/ReadSynop.h"
#include "weather/ReportCsv.h"
#include "weather/ReportText.h"
#include "weather/StationTable.h"
#include "weather/SynopTexts.h"
#include "weather/WeatherUnits.h"

namespace weather {
namespace {

TEST(WeatherWordingTest, ConvertsCodeFiguresToUnitsAndHasAGermanTextForEveryFigure) {
    EXPECT_NEAR(KnotsFromMetresPerSecond(10.0), 19.438, 0.001);
    // The scale's edges in both units: 8 m/s is force 5 although it is under 17 kn.
    const struct {
        double speed;
        WindUnit unit;
        int force;
    } beaufort[] = {
        {0, WindUnit::Knots, 0},  {1, WindUnit::Knots, 1},  {3, WindUnit::Knots, 1},   {4, WindUnit::Knots, 2},
        {33, WindUnit::Knots, 7}, {34, WindUnit::Knots, 8}, {63, WindUnit::Knots, 11}, {64, WindUnit::Knots, 12},
        {0, WindUnit::MetresPerSecond, 0},  {1, WindUnit::MetresPerSecond, 1},  {3, WindUnit::MetresPerSecond, 2},
        {8, WindUnit::MetresPerSecond, 5},  {17, WindUnit::MetresPerSecond, 7}, {20, WindUnit::MetresPerSecond, 8},
        {32, WindUnit::MetresPerSecond, 11}, {33, WindUnit::MetresPerSecond, 12},
    };
    for (const auto& row : beaufort) {
        EXPECT_EQ(BeaufortFromSpeed(row.speed, row.unit), row.force)
            << row.speed << (row.unit == WindUnit::Knots ? " kn" : " m/s");
    }
    const std::pair<int, std::optional<int>> visibility[] = {
        {0, 0}, {1, 100}, {50, 5000}, {51, std::nullopt}, {55, std::nullopt}, {56, 6000}, {80, 30000},
        {81, 35000}, {88, 70000}, {89, 70000}, {90, 0}, {94, 1000}, {99, 50000}, {100, std::nullopt}};
    for (const auto& [vv, metres] : visibility) EXPECT_EQ(VisibilityMetresFromCode(vv), metres) << "VV " << vv;
    const std::pair<int, std::optional<double>> pressure[] = {
        {42, 1004.2}, {999, 1099.9}, {9987, 998.7}, {5000, 500.0}, {4999, std::nullopt}, {1000, std::nullopt}};
    for (const auto& [figures, hpa] : pressure) EXPECT_EQ(PressureFromFigures(figures), hpa) << figures;
    const std::pair<int, double> precipitation[] = {{0, 0.0}, {1, 1.0}, {989, 989.0}, {990, 0.0}, {991, 0.1},
                                                    {999, 0.9}};
    for (const auto& [rrr, mm] : precipitation) EXPECT_DOUBLE_EQ(PrecipitationFromCode(rrr), mm) << rrr;
    EXPECT_EQ(PrecipitationHoursFromCode(0), std::nullopt);
    EXPECT_EQ(PrecipitationHoursFromCode(4), 24);
    EXPECT_EQ(PrecipitationHoursFromCode(9), 15);
    EXPECT_EQ(CloudBaseMetresFromCode(58), 2400);
    EXPECT_EQ(CloudBaseMetresFromCode(53), std::nullopt);
    for (int code = 0; code <= 99; ++code) EXPECT_FALSE(PresentWeatherText(code).empty()) << "ww " << code;
    for (int code = 0; code <= 9; ++code) {
        for (std::string_view text : {PastWeatherText(code), AutomaticPastWeatherText(code), LowCloudText(code),
                                      MiddleCloudText(code), HighCloudText(code), CloudGenusText(code),
                                      CloudBaseText(code), ShipCourseText(code), ShipSpeedText(code)}) {
            EXPECT_FALSE(text.empty()) << code;
        }
    }
    for (int code : {-1, 100}) EXPECT_TRUE(PresentWeatherText(code).empty()) << code;
    EXPECT_EQ(AutomaticPresentWeatherText(99), "Tornado");
    EXPECT_EQ(AutomaticPresentWeatherText(7), "") << "reserved";
    // The weather service's words for day and night alike: 4..6/8 "wolkig" (0, 1 and 7 in the readable report).
    EXPECT_EQ(CloudAmountText(6) + "|" + CloudAmountText(9) + "|" + CloudAmountText(8, 0) + "|" + CloudAmountText(8, 3),
              "6/8 (wolkig)|Himmel nicht erkennbar|8/8 (leicht bewölkt: nur hohe Wolken)|8/8 (bedeckt)");
    const std::pair<int, const char*> visibilityText[] = {{0, "unter 100 m"}, {5, "500 m"}, {15, "1,5 km"},
                                                          {50, "5 km"}, {56, "6 km"}, {89, "mehr als 70 km"},
                                                          {93, "500 m bis 1 km"}};
    for (const auto& [vv, text] : visibilityText) EXPECT_EQ(VisibilityText(vv), text) << vv;
    const std::pair<double, const char*> sea[] = {{0.0, "spiegelglatte See"}, {0.5, "schwach bewegte See"},
                                                  {0.6, "leicht bewegte See"}, {4.0, "grobe See"},
                                                  {15.0, "außergewöhnlich schwere See"}};
    for (const auto& [height, text] : sea) EXPECT_EQ(SeaStateText(height), text) << height;
    for (const auto& [degrees, point] : {std::pair{360, "N"}, {220, "SW"}, {20, "NNO"}}) {
        EXPECT_EQ(CompassPointText(degrees), point) << degrees;
    }
}

TEST(WeatherWordingTest, KnowsTheCoastalStationsAndOnlyThem) {
    const struct {
        const char* index;
        const char* name;
        double latitude, longitude;
    } stations[] = {{"10015", "Helgoland", 54.17, 7.88},    {"10020", "List auf Sylt", 55.02, 8.42},
                    {"10170", "Rostock-Warnemünde", 54.18, 12.08}, {"06041", "Skagen Fyr", 57.74, 10.63},
                    {"06235", "De Kooy", 52.93, 4.78},     {"06119", "Kegnæs Fyr", 54.85, 9.98},
                    {"02513", "Göteborg", 57.72, 12.00},   {"26509", "Klaipėda", 55.73, 21.08}};
    for (const auto& row : stations) {
        const Station* station = FindStation(row.index);
        ASSERT_NE(station, nullptr) << row.index;
        EXPECT_EQ(station->name, row.name);
        EXPECT_NEAR(station->latitudeDeg, row.latitude, 0.01) << row.index;
        EXPECT_NEAR(station->longitudeDeg, row.longitude, 0.01) << row.index;
    }
    EXPECT_EQ(FindStation("10014"), nullptr);
    EXPECT_EQ(FindStation("1001"), nullptr);
    // All of them around the North Sea and the Baltic.
    for (const Station& station : AllStations()) {
        EXPECT_TRUE(station.latitudeDeg > 50.5 && station.latitudeDeg < 61 && station.longitudeDeg > -4 &&
                    station.longitudeDeg < 30)
            << station.index;
    }
}

TEST(WeatherWordingTest, WritesTheSpreadsheetLineByteForByteAndWordsAReportForTheListener) {
    EXPECT_EQ(CsvHeader(),
              "Station;Name;Breite;Länge;Tag;Stunde;Windrichtung;Wind_kn;Wind_Bft;Böen_kn;Sicht_m;Wetter;"
              "Bedeckung_Achtel;Temperatur_C;Taupunkt_C;Luftdruck_hPa;Tendenz_hPa;Niederschlag_mm;"
              "Wassertemperatur_C;Wellenhöhe_m");
    const std::vector<SynopReport> reports = ReadSynopReports(
        "AAXX 07061 10015 41580 73114 10078 21005 40042 58012 69902 76162 911// 222// 00095 20305=\n"
        "10020 41570 70000 1//// 40050=\n"
        "10113 41570 79906 40050=\n"
        "BBXX DBBH 07064 99545 70072 41/96 82720 11042=\n");
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(CsvLine(reports[0]),
              "10015;Helgoland;54,1667;7,8833;7;6;310;27,2;7;;30000;durchgehender leichter Regen;7;7,8;-0,5;"
              "1004,2;-1,2;0,0;9,5;2,5");
    EXPECT_EQ(CsvLine(reports[1]), "10020;List auf Sylt;55,0167;8,4167;7;6;0;0,0;0;;20000;;7;;;1005,0;;;;");
    EXPECT_EQ(CsvLine(reports[2]), "10113;Norderney;53,7167;7,1500;7;6;umlaufend;11,7;4;;20000;;7;;;1005,0;;;;");
    EXPECT_EQ(CsvLine(reports[3]), "DBBH;;54,5000;-7,2000;7;6;270;20,0;5;;4000;;8;-4,2;;;;;;");
    SynopReport quoted;
    quoted.station = "A;B";
    quoted.stationName = "Name \"x\"";
    EXPECT_EQ(CsvLine(quoted), "\"A;B\";\"Name \"\"x\"\"\";;;;;;;;;;;;;;;;;;");
    const std::vector<SynopReport> told = ReadSynopReports(
        "AAXX 07061 10015 41580 73114 1OO78 40042 58012 69902 76162 81/56 333 91025=\n10113 NIL=");
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(ReadableReport(told[0]),
              "10015 Helgoland (54,17° N, 7,88° O) am 7. um 06 UTC\n"
              "  Wind: aus 310° (NW), 27 kn, 7 Bft (steifer Wind), gemessen; Böen 49 kn in den letzten 10 Minuten\n"
              "  Sicht: 30 km\n"
              "  Wetter: durchgehender leichter Regen; vorher Regen, mehr als halb bedeckt\n"
              "  Bewölkung: 7/8 (stark bewölkt), tiefe oder mittelhohe Wolken 1/8, Untergrenze 600 bis 1000 m\n"
              "  Wolken: mittel: Altocumulus in Bändern, aufziehend; hoch: Cirrus und Cirrostratus, aufziehend, "
              "über 45 Grad\n"
              "  Luftdruck: 1004,2 hPa; gleich oder steigend, dann fallend, -1,2 hPa in 3 Stunden\n"
              "  Niederschlag: 0,0 mm in den letzten 12 Stunden\n"
              "  Nicht lesbar: »1OO78« (Buchstaben oder Zeichen statt Ziffern)\n");
    EXPECT_EQ(ReadableReport(told[1]), "10113 Norderney (53,72° N, 7,15° O) am 7. um 06 UTC: keine Meldung (NIL)\n");
    // Lines whose wording depends on other figures of the report.
    const std::pair<const char*, const char*> lines[] = {
        // No cloud: no cloud base; humidity without a temperature; a calm sea; the ship's own way.
        {"BBXX DBBH 07064 99545 10072 41996 02720 29079 22251 00098 20000 40000=",
         "  Bewölkung: 0/8 (wolkenlos)\n  Relative Feuchte: 79 %\n  See"},
        {"BBXX DBBH 07064 99545 10072 41996 02720 29079 22251 00098 20000 40000=",
         "  See: Wasser 9,8 °C, ruhige See, keine Dünung\n  Schiff: Kurs SW, 1 bis 5 kn in den letzten 3 Stunden\n"},
        {"BBXX DBBH 07004 99545 10072 41996 12720 22200 20304 31000 40408=",
         "  Bewölkung: 1/8 (leicht bewölkt), Untergrenze 2500 m oder höher\n"},
        {"BBXX DBBH 07004 99545 10072 41996 12720 22200 20304 31000 40408=",
         "  See: Wellen 2,0 m alle 3 s (mäßig bewegte See), Dünung aus 100° (O) 4,0 m alle 4 s\n"
         "  Schiff: beigedreht\n"},
        {"AAXX 07061 10015 41996 /2720=", "  Bewölkung: Untergrenze 2500 m oder höher oder keine Wolken\n"},
        // iR 3: none fell, which is not the trace 0,0 mm stands for.
        {"AAXX 07061 10015 31580 73114 333 70010=", "  Niederschlag: kein Niederschlag, 1,0 mm in 24 Stunden\n"},
        // iR 0: the amounts of both sections; 910ff and 911ff each with its period.
        {"AAXX 07064 10015 01580 73114 69955 333 60012 91035 91148=",
         "gemessen; Böen 35 kn in den letzten 10 Minuten, 48 kn in den letzten 6 Stunden\n"},
        {"AAXX 07064 10015 01580 73114 69955 333 60012 91035 91148=",
         "  Niederschlag: 0,5 mm in der letzten Stunde, 1,0 mm in den letzten 12 Stunden\n"},
        {"AAXX 20104 89646 46/// /2299 00113 29079 37708 42010=",
         "an der Station 770,8 hPa, 925 hPa in 1010 m Höhe\n"},
        // A coastal station has no ship's way even in a garbled 222Dsvs; sss 997 is under half a centimetre.
        {"AAXX 07061 10015 41580 73114 22200 00095 333 41997=",
         "  See: Wasser 9,5 °C\n  Außerdem: Schneehöhe unter 0,5 cm\n"},
    };
    for (const auto& [report, line] : lines) {
        const std::string text = ReadableReport(ReadSynopReports(report).at(0));
        EXPECT_NE(text.find(line), std::string::npos) << report << "\n" << text;
    }
}

}  // namespace
}  // namespace weather
