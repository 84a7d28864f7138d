#include "weather/view/StationModel.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

#include "weather/view/WeatherSigns.h"

namespace weather {
namespace {

// Lengths of the model in units of the station circle's radius.
constexpr double kShaftLength = 7.0;
constexpr double kFeatherLength = 3.0;
constexpr double kFeatherSlant = 1.2;  // how far a feather's end leans out along the shaft
constexpr double kFeatherSpacing = 1.1;
constexpr double kPennantWidth = 1.4;
constexpr double kCalmRadius = 1.8;
constexpr double kLabelGap = 0.8;
constexpr double kLabelRise = 1.0;  // text rows above and below the middle row
constexpr double kSignSize = 2.2;

MapPoint Along(MapPoint from, MapPoint direction, double length) {
    return {from.x + direction.x * length, from.y + direction.y * length};
}

MapPoint Direction(double screenDeg) {
    const double radians = screenDeg * std::numbers::pi / 180;
    return {std::sin(radians), -std::cos(radians)};
}

}  // namespace

BarbFeathers FeathersFor(double knots) {
    int rest = static_cast<int>(std::lround(knots / 5.0)) * 5;
    BarbFeathers feathers;
    feathers.pennants = rest / 50;
    rest %= 50;
    feathers.full = rest / 10;
    feathers.half = (rest % 10) / 5;
    return feathers;
}

std::string PressureFigure(double hPa) {
    const long tenths = std::lround(hPa * 10) % 1000;
    char text[8];
    std::snprintf(text, sizeof text, "%03ld", tenths < 0 ? tenths + 1000 : tenths);
    return text;
}

std::string TemperatureFigure(double celsius) {
    const long whole = std::lround(celsius);
    return std::to_string(whole);
}

std::string TendencyFigure(double hPa) {
    const long tenths = std::lround(hPa * 10);
    char text[8];
    std::snprintf(text, sizeof text, "%c%02ld", tenths < 0 ? '-' : '+', std::labs(tenths) % 1000);
    return text;
}

Drawing DrawWindBarb(MapPoint centre, double fromOnScreenDeg, double knots, double unit) {
    Drawing drawing;
    const MapPoint along = Direction(fromOnScreenDeg);
    const MapPoint side = Direction(fromOnScreenDeg + 90);
    const MapPoint tip = Along(centre, along, kShaftLength * unit);
    drawing.lines.push_back({{Along(centre, along, unit), tip}});

    const BarbFeathers feathers = FeathersFor(knots);
    const auto featherEnd = [&](MapPoint base, double share) {
        return Along(Along(base, side, kFeatherLength * unit * share), along, kFeatherSlant * unit * share);
    };
    double fromTip = 0;  // where the next feather sits, measured inward from the tip
    for (int pennant = 0; pennant < feathers.pennants; ++pennant) {
        const MapPoint outer = Along(tip, along, -fromTip * unit);
        const MapPoint inner = Along(outer, along, -kPennantWidth * unit);
        drawing.fills.push_back({outer, featherEnd(outer, 1.0), inner});
        fromTip += kPennantWidth + kFeatherSpacing * 0.4;
    }
    for (int barb = 0; barb < feathers.full; ++barb) {
        const MapPoint base = Along(tip, along, -fromTip * unit);
        drawing.lines.push_back({{base, featherEnd(base, 1.0)}});
        fromTip += kFeatherSpacing;
    }
    if (feathers.half) {
        // Alone, a half barb sits one step in, so it cannot be taken for a full one.
        if (fromTip == 0) fromTip = kFeatherSpacing;
        const MapPoint base = Along(tip, along, -fromTip * unit);
        drawing.lines.push_back({{base, featherEnd(base, 0.5)}});
    }
    return drawing;
}

Drawing DrawCloudCover(MapPoint centre, std::optional<int> octas, double unit) {
    Drawing drawing;
    drawing.circles.push_back({centre, unit, false});
    const auto line = [&](MapPoint from, MapPoint to, Ink ink = Ink::Dark) {
        drawing.lines.push_back({{{centre.x + from.x * unit, centre.y + from.y * unit},
                                  {centre.x + to.x * unit, centre.y + to.y * unit}},
                                 ink});
    };
    const auto sector = [&](double sweepDeg) { drawing.sectors.push_back({centre, unit, 0, sweepDeg}); };
    // Not observed ("/", or the group lost): the circle struck through once,
    // never the empty circle of a clear sky.
    if (!octas) {
        line({-0.7, 0.7}, {0.7, -0.7});
        return drawing;
    }
    switch (*octas) {
    case 0: break;
    case 1: line({0, -1}, {0, 1}); break;
    case 2: sector(90); break;
    case 3: sector(90), line({0, 0}, {0, 1}); break;
    case 4: sector(180); break;
    case 5: sector(180), line({-1, 0}, {0, 0}); break;
    case 6: sector(270); break;
    case 7:
        drawing.circles.back().filled = true;
        line({0, -1}, {0, 1}, Ink::Paper);
        break;
    case 8: drawing.circles.back().filled = true; break;
    default:  // 9: sky obscured
        line({-0.7, -0.7}, {0.7, 0.7});
        line({-0.7, 0.7}, {0.7, -0.7});
        break;
    }
    return drawing;
}

StationModelParts DrawStationModelParts(const SynopReport& report, MapPoint centre, double northOnScreenDeg,
                                        double unit) {
    StationModelParts parts;
    if (!report.windIsCalm && report.windDirectionDeg && !report.windIsVariable)
        parts.barb = DrawWindBarb(centre, northOnScreenDeg + *report.windDirectionDeg, report.windKnots.value_or(0),
                                  unit);
    const double left = centre.x - unit - kLabelGap * unit, right = centre.x + unit + kLabelGap * unit;
    const double upper = centre.y - kLabelRise * unit, lower = centre.y + kLabelRise * unit;
    const auto label = [&](double x, double y, std::string text, LabelRole role, HorizontalAlign horizontal,
                           VerticalAlign vertical) {
        parts.figures.labels.push_back({{x, y}, std::move(text), role, horizontal, vertical});
    };
    if (report.temperatureC)
        label(left, upper, TemperatureFigure(*report.temperatureC), LabelRole::Temperature, HorizontalAlign::Right,
              VerticalAlign::Bottom);
    if (report.dewPointC)
        label(left, lower, TemperatureFigure(*report.dewPointC), LabelRole::DewPoint, HorizontalAlign::Right,
              VerticalAlign::Top);
    if (report.seaLevelPressureHpa)
        label(right, upper, PressureFigure(*report.seaLevelPressureHpa), LabelRole::Pressure, HorizontalAlign::Left,
              VerticalAlign::Bottom);
    if (report.pressureChangeHpa)
        label(right, lower, TendencyFigure(*report.pressureChangeHpa), LabelRole::Tendency, HorizontalAlign::Left,
              VerticalAlign::Top);
    if (report.presentWeather)
        parts.sign = DrawWeatherSign(WeatherSignFor(*report.presentWeather), {left - kSignSize * unit / 2, centre.y},
                                     kSignSize * unit);
    return parts;
}

Drawing DrawStationModel(const SynopReport& report, MapPoint centre, double northOnScreenDeg, double unit) {
    Drawing drawing;
    if (report.windIsCalm) drawing.circles.push_back({centre, kCalmRadius * unit, false});
    drawing.Append(DrawCloudCover(centre, report.cloudOctas, unit));
    const StationModelParts parts = DrawStationModelParts(report, centre, northOnScreenDeg, unit);
    for (const Drawing* part : {&parts.barb, &parts.figures, &parts.sign}) drawing.Append(*part);
    return drawing;
}

}  // namespace weather
