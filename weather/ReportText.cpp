#include "weather/ReportText.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "weather/GermanNumber.h"
#include "weather/SynopTexts.h"

namespace weather {
namespace {

std::string TwoFigures(int value) {
    std::string text = std::to_string(value);
    if (text.size() < 2) text.insert(text.begin(), '0');
    return text;
}

std::string Position(double latitudeDeg, double longitudeDeg) {
    return DecimalComma(std::abs(latitudeDeg), 2) + "° " + (latitudeDeg < 0 ? "S" : "N") + ", " +
           DecimalComma(std::abs(longitudeDeg), 2) + "° " + (longitudeDeg < 0 ? "W" : "O");
}

std::string Celsius(double value) { return DecimalComma(value, 1) + " °C"; }
std::string Knots(double value) { return DecimalComma(value, 0) + " kn"; }
std::string Signed(double value) { return (value > 0 ? "+" : "") + DecimalComma(value, 1); }

std::string HeadingLine(const SynopReport& report) {
    std::string line = report.isShip ? "Schiff " + report.station : report.station;
    if (!report.stationName.empty()) line += " " + report.stationName;
    if (report.latitudeDeg && report.longitudeDeg) {
        line += " (" + Position(*report.latitudeDeg, *report.longitudeDeg) + ")";
    }
    if (report.day && report.hour) {
        line += " am " + std::to_string(*report.day) + ". um " + TwoFigures(*report.hour) + " UTC";
    }
    if (report.isNil) line += ": keine Meldung (NIL)";
    return line;
}

// 910ff and 911ff, each with its period.
std::string GustText(const SynopReport& report) {
    std::string text;
    if (report.gustTenMinutesKnots) text = Knots(*report.gustTenMinutesKnots) + " " + PeriodText(10);
    if (report.gustPeriodKnots) {
        text += (text.empty() ? "" : ", ") + Knots(*report.gustPeriodKnots) + " " +
                (report.gustPeriodMinutes ? PeriodText(*report.gustPeriodMinutes) : "seit der vorigen Meldung");
    }
    if (text.empty() && report.gustKnots) text = Knots(*report.gustKnots);
    return text;
}

std::string WindLine(const SynopReport& report) {
    std::string text;
    if (report.windIsCalm) {
        text = "still";
    } else if (report.windIsVariable) {
        text = "umlaufend";
    } else if (report.windDirectionDeg) {
        text = "aus " + std::to_string(*report.windDirectionDeg) + "° (" +
               std::string(CompassPointText(*report.windDirectionDeg)) + ")";
    }
    if (report.windKnots && !report.windIsCalm) {
        text += (text.empty() ? "" : ", ") + Knots(*report.windKnots);
        if (report.windBeaufort) {
            text += ", " + std::to_string(*report.windBeaufort) + " Bft (" +
                    std::string(BeaufortName(*report.windBeaufort)) + ")";
        }
    }
    if (report.windKnots && !text.empty()) text += report.windIsMeasured ? ", gemessen" : ", geschätzt";
    if (const std::string gusts = GustText(report); !gusts.empty()) {
        text += (text.empty() ? "" : "; ") + std::string("Böen ") + gusts;
    }
    return text;
}

std::string WeatherLine(const SynopReport& report) {
    std::string text;
    if (report.presentWeather) {
        text = report.weatherIsAutomatic ? AutomaticPresentWeatherText(*report.presentWeather)
                                         : PresentWeatherText(*report.presentWeather);
    }
    std::string past;
    for (const std::optional<int>& code : {report.pastWeather1, report.pastWeather2}) {
        if (!code) continue;
        const std::string_view word =
            report.weatherIsAutomatic ? AutomaticPastWeatherText(*code) : PastWeatherText(*code);
        if (past.find(word) == std::string::npos) past += (past.empty() ? "" : ", ") + std::string(word);
    }
    if (!past.empty()) text += (text.empty() ? "" : "; ") + std::string("vorher ") + past;
    return text;
}

std::string CloudLine(const SynopReport& report) {
    std::string text;
    if (report.cloudOctas) text = CloudAmountText(*report.cloudOctas, report.lowCloudOctas);
    if (report.lowCloudOctas) {
        text += (text.empty() ? "" : ", ") + std::string("tiefe oder mittelhohe Wolken ") +
                std::to_string(*report.lowCloudOctas) + "/8";
    }
    // h 9 is "2500 m or more, or no clouds": which of them, N tells.
    const bool noCloudBase = report.cloudBaseCode == 9 && report.cloudOctas == 0;
    if (report.cloudBaseCode && !noCloudBase) {
        text += (text.empty() ? "" : ", ") + std::string("Untergrenze ") +
                std::string(CloudBaseText(*report.cloudBaseCode));
        if (report.cloudBaseCode == 9 && !report.cloudOctas) text += " oder keine Wolken";
    }
    return text;
}

std::string CloudTypeLine(const SynopReport& report) {
    std::string text;
    const auto add = [&text](std::string_view level, std::string_view kind) {
        if (!kind.empty()) text += (text.empty() ? "" : "; ") + std::string(level) + std::string(kind);
    };
    if (report.lowCloudType) add("tief: ", LowCloudText(*report.lowCloudType));
    if (report.middleCloudType) add("mittel: ", MiddleCloudText(*report.middleCloudType));
    if (report.highCloudType) add("hoch: ", HighCloudText(*report.highCloudType));
    for (const CloudLayer& layer : report.cloudLayers) {
        std::string layerText;
        if (layer.octas) layerText += std::to_string(*layer.octas) + "/8 ";
        if (layer.genus) layerText += std::string(CloudGenusText(*layer.genus)) + " ";
        if (layer.baseMetres) layerText += "ab " + std::to_string(*layer.baseMetres) + " m";
        add("Schicht: ", layerText);
    }
    return text;
}

std::string TemperatureLine(const SynopReport& report) {
    std::string text;
    if (report.temperatureC) text = Celsius(*report.temperatureC);
    if (report.dewPointC) text += (text.empty() ? "" : ", ") + std::string("Taupunkt ") + Celsius(*report.dewPointC);
    if (report.maxTemperatureC) {
        text += (text.empty() ? "" : ", ") + std::string("Höchstwert ") + Celsius(*report.maxTemperatureC);
    }
    if (report.minTemperatureC) {
        text += (text.empty() ? "" : ", ") + std::string("Tiefstwert ") + Celsius(*report.minTemperatureC);
    }
    return text;
}

std::string PressureLine(const SynopReport& report) {
    std::string text;
    if (report.seaLevelPressureHpa) text = DecimalComma(*report.seaLevelPressureHpa, 1) + " hPa";
    if (report.stationPressureHpa) {
        text += (text.empty() ? "" : ", ") + std::string("an der Station ") +
                DecimalComma(*report.stationPressureHpa, 1) + " hPa";
    }
    if (report.geopotentialLevelHpa && report.geopotentialMetres) {
        text += (text.empty() ? "" : ", ") + std::to_string(*report.geopotentialLevelHpa) + " hPa in " +
                std::to_string(*report.geopotentialMetres) + " m Höhe";
    }
    if (report.pressureTendencyCode) {
        text += (text.empty() ? "" : "; ") + std::string(PressureTendencyText(*report.pressureTendencyCode));
    }
    if (report.pressureChangeHpa) text += ", " + Signed(*report.pressureChangeHpa) + " hPa in 3 Stunden";
    return text;
}

std::string PrecipitationLine(const SynopReport& report) {
    std::string text;
    if (report.precipitationIsNil) {
        text = "kein Niederschlag";  // rather than 0,0 mm, which stands for a trace
    } else if (report.precipitationMm) {
        text = DecimalComma(*report.precipitationMm, 1) + " mm";
        if (report.precipitationHours) text += " " + PeriodText(*report.precipitationHours * 60);
    }
    if (report.furtherPrecipitationMm) {
        text += (text.empty() ? "" : ", ") + DecimalComma(*report.furtherPrecipitationMm, 1) + " mm";
        if (report.furtherPrecipitationHours) text += " " + PeriodText(*report.furtherPrecipitationHours * 60);
    }
    if (report.precipitation24hMm) {
        text += (text.empty() ? "" : ", ") + DecimalComma(*report.precipitation24hMm, 1) + " mm in 24 Stunden";
    }
    return text;
}

// A period of waves in whole seconds; 00 goes with a calm sea and 99 is no period at all.
std::string WavePeriod(const std::optional<int>& seconds) {
    if (!seconds || *seconds == 0 || *seconds == 99) return "";
    return " alle " + std::to_string(*seconds) + " s";
}

std::string SeaLine(const SynopReport& report) {
    std::string text;
    if (report.waterTemperatureC) text = "Wasser " + Celsius(*report.waterTemperatureC);
    if (report.waveHeightM == 0.0) {
        text += (text.empty() ? "" : ", ") + std::string("ruhige See");
    } else if (report.waveHeightM) {
        text += (text.empty() ? "" : ", ") + std::string("Wellen ") + DecimalComma(*report.waveHeightM, 1) + " m" +
                WavePeriod(report.wavePeriodS) + " (" + std::string(SeaStateText(*report.waveHeightM)) + ")";
    }
    if (report.swellHeightM == 0.0) {
        text += (text.empty() ? "" : ", ") + std::string("keine Dünung");
    } else if (report.swellHeightM || report.swellDirectionDeg) {
        text += (text.empty() ? "" : ", ") + std::string("Dünung");
        if (report.swellDirectionDeg) {
            text += " aus " + std::to_string(*report.swellDirectionDeg) + "° (" +
                    std::string(CompassPointText(*report.swellDirectionDeg)) + ")";
        }
        if (report.swellHeightM) text += " " + DecimalComma(*report.swellHeightM, 1) + " m";
        text += WavePeriod(report.swellPeriodS);
    }
    return text;
}

// 222Dsvs: the ship's course and speed made good over the last three hours.
std::string ShipLine(const SynopReport& report) {
    std::string text;
    if (report.shipCourseCode) text = ShipCourseText(*report.shipCourseCode);
    const bool hoveTo = report.shipCourseCode == 0 && report.shipSpeedCode.value_or(0) == 0;
    if (report.shipSpeedCode && !hoveTo) {
        text += (text.empty() ? "" : ", ") + std::string(ShipSpeedText(*report.shipSpeedCode));
    }
    if (!text.empty() && !hoveTo) text += " " + PeriodText(180);
    return text;
}

std::string OtherLine(const SynopReport& report) {
    std::string text;
    if (report.observedHour && report.observedMinute) {
        text = "beobachtet um " + TwoFigures(*report.observedHour) + ":" + TwoFigures(*report.observedMinute) +
               " UTC";
    }
    if (report.sunshineHours) {
        text += (text.empty() ? "" : ", ") + std::string("Sonnenschein am Vortag ") +
                DecimalComma(*report.sunshineHours, 1) + " h";
    }
    if (report.snowDepthCm) {
        // sss 997 (kept as 0) is a snow cover of less than half a centimetre.
        text += (text.empty() ? "" : ", ") + std::string("Schneehöhe ") +
                (*report.snowDepthCm == 0 ? std::string("unter 0,5") : std::to_string(*report.snowDepthCm)) + " cm";
    }
    return text;
}

std::string SkippedLine(const SynopReport& report) {
    std::string text;
    for (const SkippedGroup& group : report.skipped) {
        text += (text.empty() ? "" : ", ") + std::string("»") + group.text + "« (" + group.reason + ")";
    }
    return text;
}

}  // namespace

std::string ReadableReport(const SynopReport& report) {
    std::string text = HeadingLine(report) + "\n";
    const auto add = [&text](std::string_view label, const std::string& value) {
        if (!value.empty()) text += "  " + std::string(label) + ": " + value + "\n";
    };
    add("Wind", WindLine(report));
    if (report.visibilityCode) add("Sicht", VisibilityText(*report.visibilityCode));
    add("Wetter", WeatherLine(report));
    add("Bewölkung", CloudLine(report));
    add("Wolken", CloudTypeLine(report));
    add("Temperatur", TemperatureLine(report));
    if (report.relativeHumidityPercent) {
        add("Relative Feuchte", std::to_string(*report.relativeHumidityPercent) + " %");
    }
    add("Luftdruck", PressureLine(report));
    add("Niederschlag", PrecipitationLine(report));
    add("See", SeaLine(report));
    add("Schiff", ShipLine(report));
    add("Außerdem", OtherLine(report));
    add("Nicht lesbar", SkippedLine(report));
    return text;
}

}  // namespace weather
