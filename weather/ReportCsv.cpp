#include "weather/ReportCsv.h"

#include <optional>

#include "weather/GermanNumber.h"
#include "weather/SynopTexts.h"

namespace weather {
namespace {

// A text cell is quoted where a spreadsheet would otherwise split it.
std::string TextCell(std::string_view text) {
    if (text.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string Cell(const std::optional<int>& value) { return value ? std::to_string(*value) : ""; }
std::string Cell(const std::optional<double>& value, int decimals) {
    return value ? DecimalComma(*value, decimals) : "";
}

std::string WindDirectionCell(const SynopReport& report) {
    if (report.windIsCalm) return "0";
    if (report.windIsVariable) return "umlaufend";
    return Cell(report.windDirectionDeg);
}

std::string WeatherCell(const SynopReport& report) {
    if (!report.presentWeather) return "";
    return TextCell(report.weatherIsAutomatic ? AutomaticPresentWeatherText(*report.presentWeather)
                                              : PresentWeatherText(*report.presentWeather));
}

}  // namespace

std::string CsvFileStart() { return std::string(kUtf8ByteOrderMark) + std::string(CsvHeader()) + std::string(kCsvLineEnd); }

std::string_view CsvHeader() {
    return "Station;Name;Breite;Länge;Tag;Stunde;Windrichtung;Wind_kn;Wind_Bft;Böen_kn;Sicht_m;Wetter;"
           "Bedeckung_Achtel;Temperatur_C;Taupunkt_C;Luftdruck_hPa;Tendenz_hPa;Niederschlag_mm;"
           "Wassertemperatur_C;Wellenhöhe_m";
}

std::string CsvLine(const SynopReport& report) {
    const std::string cells[] = {
        TextCell(report.station),
        TextCell(report.stationName),
        Cell(report.latitudeDeg, 4),
        Cell(report.longitudeDeg, 4),
        Cell(report.day),
        Cell(report.hour),
        WindDirectionCell(report),
        Cell(report.windKnots, 1),
        Cell(report.windBeaufort),
        Cell(report.gustKnots, 1),
        Cell(report.visibilityMetres),
        WeatherCell(report),
        Cell(report.cloudOctas),
        Cell(report.temperatureC, 1),
        Cell(report.dewPointC, 1),
        Cell(report.seaLevelPressureHpa, 1),
        Cell(report.pressureChangeHpa, 1),
        Cell(report.precipitationMm, 1),
        Cell(report.waterTemperatureC, 1),
        Cell(report.waveHeightM, 1),
    };
    std::string line = cells[0];
    for (std::size_t at = 1; at < std::size(cells); ++at) line += ";" + cells[at];
    return line;
}

}  // namespace weather
