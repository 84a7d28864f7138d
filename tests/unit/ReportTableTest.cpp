// The weather window's table: columns, unread groups, sorting by a heading, the exported file.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "weather/ReportCsv.h"
#include "weather/view/ReportTable.h"

namespace weather {
namespace {

SynopReport Report(const char* station, std::optional<double> temperature, std::optional<int> direction) {
    SynopReport report;
    report.station = station;
    report.temperatureC = temperature;
    report.windDirectionDeg = direction;
    return report;
}

std::vector<SynopReport> Reports() {
    std::vector<SynopReport> reports{Report("10020", 4.3, 270), Report("10015", -2.0, 90),
                                     Report("10091", std::nullopt, std::nullopt), Report("10147", 12.5, 360),
                                     Report("10170", -10.0, std::nullopt), Report("10035", 4.3, 200)};
    reports[2].windIsCalm = true;
    reports[4].windIsVariable = true;
    reports[5].stationName = "Schleswig; Jagel";  // quoted in the line, one cell here
    reports[5].skipped = {{"4O132", "Buchstabe in der Gruppe"}, {"7021", "falsche Länge"}};
    return reports;
}

std::size_t ColumnOf(const ReportTable& table, const std::string& heading) {
    for (std::size_t column = 0; column < table.Headings().size(); ++column)
        if (table.Headings()[column] == heading) return column;
    ADD_FAILURE() << "no column " << heading;
    return 0;
}

std::string Column(const ReportTable& table, std::size_t column) {
    std::string shown;
    for (std::size_t row = 0; row < table.RowCount(); ++row) shown += table.Cell(row, 0) + "=" + table.Cell(row, column) + " ";
    return shown;
}

TEST(ReportTable, HasTheSpreadsheetColumnsNamesWhatCouldNotBeReadAndSortsButExportsInTheFilesOrder) {
    const std::vector<SynopReport> reports = Reports();
    ReportTable table(reports);
    std::string headings;  // "#" after a column of numbers, which stand right-aligned
    for (std::size_t column = 0; column < table.Headings().size(); ++column)
        headings += table.Headings()[column] + (table.HoldsNumbers(column) ? "#|" : "|");
    EXPECT_EQ("Station#|Name|Breite#|Länge#|Tag#|Stunde#|Windrichtung#|Wind (kn)#|Wind (Bft)#|Böen (kn)#|Sicht (m)#|"
              "Wetter|Bedeckung (Achtel)#|Temperatur (°C)#|Taupunkt (°C)#|Luftdruck (hPa)#|Tendenz (hPa)#|"
              "Niederschlag (mm)#|Wassertemperatur (°C)#|Wellenhöhe (m)#|Nicht gelesen|",
              headings);
    ASSERT_EQ(6u, table.RowCount());
    EXPECT_EQ("Schleswig; Jagel", table.Cell(5, 1));
    EXPECT_EQ("4O132 (Buchstabe in der Gruppe), 7021 (falsche Länge)", table.Cell(5, table.Headings().size() - 1));
    EXPECT_EQ("", table.Cell(0, table.Headings().size() - 1));
    // Numbers as numbers with their decimal comma, words after them, empty cells last either way round; equal cells
    // keep the file's order. The exported file keeps the file's order whatever the sorting.
    const std::size_t temperature = ColumnOf(table, "Temperatur (°C)"), wind = ColumnOf(table, "Windrichtung");
    table.SortBy(temperature);
    EXPECT_EQ("10170=-10,0 10015=-2,0 10020=4,3 10035=4,3 10147=12,5 10091= ", Column(table, temperature));
    table.SortBy(temperature);
    EXPECT_FALSE(table.SortedAscending());
    EXPECT_EQ("10147=12,5 10020=4,3 10035=4,3 10015=-2,0 10170=-10,0 10091= ", Column(table, temperature));
    table.SortBy(wind);
    EXPECT_TRUE(table.SortedAscending());
    EXPECT_EQ("10091=0 10015=90 10035=200 10020=270 10147=360 10170=umlaufend ", Column(table, wind));
    table.SortBy(0);
    EXPECT_EQ("10015=10015 10020=10020 10035=10035 10091=10091 10147=10147 10170=10170 ", Column(table, 0));
    std::string expected = std::string(kUtf8ByteOrderMark) + std::string(CsvHeader()) + "\r\n";
    for (const SynopReport& report : reports) expected += CsvLine(report) + "\r\n";
    EXPECT_EQ(expected, table.Csv());
}

}  // namespace
}  // namespace weather
