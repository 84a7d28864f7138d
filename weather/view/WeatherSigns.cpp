#include "weather/view/WeatherSigns.h"

#include <array>
#include <cmath>
#include <vector>
#include <numbers>

namespace weather {
namespace {

// Slight, moderate and heavy precipitation in pairs, intermittent then
// continuous: one element, two, two, three, three, four.
WeatherSign Precipitation(WeatherKind kind, int stepFromFirst) {
    return {kind, (stepFromFirst + 1) / 2 + 1, stepFromFirst % 2 == 1, false};
}

WeatherSign PastHour(int presentWeather) {
    constexpr std::array<WeatherKind, 10> kKinds{
        WeatherKind::Drizzle,    WeatherKind::Rain,       WeatherKind::Snow,
        WeatherKind::Snow,       WeatherKind::Rain,       WeatherKind::RainShower,
        WeatherKind::SnowShower, WeatherKind::HailShower, WeatherKind::Fog,
        WeatherKind::Thunderstorm};
    return {kKinds[static_cast<std::size_t>(presentWeather - 20)], 1, false, true};
}

}  // namespace

WeatherSign WeatherSignFor(int presentWeather) {
    const int ww = presentWeather;
    if (ww == 10) return {WeatherKind::Mist};
    if (ww == 17) return {WeatherKind::Thunderstorm};
    if (ww >= 20 && ww <= 29) return PastHour(ww);
    if (ww >= 41 && ww <= 49) return {WeatherKind::Fog};
    if (ww >= 50 && ww <= 55) return Precipitation(WeatherKind::Drizzle, ww - 50);
    if (ww >= 56 && ww <= 57) return {WeatherKind::Drizzle, ww - 55, true};  // freezing
    if (ww >= 58 && ww <= 65) return Precipitation(WeatherKind::Rain, ww >= 60 ? ww - 60 : ww - 58);
    if (ww >= 66 && ww <= 67) return {WeatherKind::Rain, ww - 65, true};  // freezing
    if (ww >= 68 && ww <= 69) return {WeatherKind::Snow, ww - 67, true};  // rain and snow
    if (ww >= 70 && ww <= 75) return Precipitation(WeatherKind::Snow, ww - 70);
    if (ww >= 76 && ww <= 79) return {WeatherKind::Snow};
    if (ww >= 80 && ww <= 84) return {WeatherKind::RainShower, ww == 80 ? 1 : 2};
    if (ww >= 85 && ww <= 86) return {WeatherKind::SnowShower, ww - 84};
    if (ww >= 87 && ww <= 90) return {WeatherKind::HailShower};
    if (ww >= 91 && ww <= 99) return {WeatherKind::Thunderstorm};
    return {};
}

namespace {

struct Pen {
    Drawing& drawing;
    MapPoint centre;
    double size;

    MapPoint At(double x, double y) const { return {centre.x + x * size, centre.y + y * size}; }
    void Line(std::initializer_list<MapPoint> unitPoints) const {
        Polyline line;
        for (const MapPoint& point : unitPoints) line.points.push_back(At(point.x, point.y));
        drawing.lines.push_back(std::move(line));
    }
    void Dot(MapPoint unit) const { drawing.circles.push_back({At(unit.x, unit.y), size * 0.13, true}); }
    void Comma(MapPoint unit) const {
        Dot(unit);
        Line({{unit.x + 0.12, unit.y}, {unit.x + 0.08, unit.y + 0.22}, {unit.x - 0.04, unit.y + 0.3}});
    }
    void Star(MapPoint unit) const {
        constexpr double kArm = 0.16;
        for (const double angle : {0.0, 60.0, 120.0}) {
            const double radians = angle * std::numbers::pi / 180;
            const double dx = kArm * std::sin(radians), dy = kArm * std::cos(radians);
            Line({{unit.x - dx, unit.y - dy}, {unit.x + dx, unit.y + dy}});
        }
    }
    void Element(WeatherKind kind, MapPoint unit) const {
        if (kind == WeatherKind::Drizzle) Comma(unit);
        else if (kind == WeatherKind::Snow || kind == WeatherKind::SnowShower) Star(unit);
        else Dot(unit);
    }
};

// Where the elements stand, in units of the sign's size around its centre.
std::vector<MapPoint> ElementPlaces(int elements, bool continuous) {
    constexpr double k = 0.3;
    switch (elements) {
    case 1: return {{0, 0}};
    case 2: return continuous ? std::vector<MapPoint>{{-k, 0}, {k, 0}} : std::vector<MapPoint>{{0, -k}, {0, k}};
    case 3:
        return continuous ? std::vector<MapPoint>{{0, -k}, {-k, k * 0.7}, {k, k * 0.7}}
                          : std::vector<MapPoint>{{0, -1.5 * k}, {0, 0}, {0, 1.5 * k}};
    default: return {{0, -k}, {-k, 0}, {k, 0}, {0, k}};
    }
}

}  // namespace

Drawing DrawWeatherSign(const WeatherSign& sign, MapPoint centre, double size) {
    Drawing drawing;
    const Pen pen{drawing, centre, size};
    switch (sign.kind) {
    case WeatherKind::None: return drawing;
    case WeatherKind::Mist:
        pen.Line({{-0.45, -0.12}, {0.45, -0.12}});
        pen.Line({{-0.45, 0.12}, {0.45, 0.12}});
        break;
    case WeatherKind::Fog:
        for (const double y : {-0.25, 0.0, 0.25}) pen.Line({{-0.45, y}, {0.45, y}});
        break;
    case WeatherKind::Drizzle:
    case WeatherKind::Rain:
    case WeatherKind::Snow:
        for (const MapPoint& place : ElementPlaces(sign.elements, sign.continuous)) pen.Element(sign.kind, place);
        break;
    case WeatherKind::RainShower:
    case WeatherKind::SnowShower:
    case WeatherKind::HailShower: {
        // The shower's triangle, point down, with what falls above it.
        drawing.lines.push_back({{pen.At(-0.3, 0.05), pen.At(0.3, 0.05), pen.At(0, 0.5), pen.At(-0.3, 0.05)}});
        if (sign.kind == WeatherKind::HailShower)
            drawing.fills.push_back({pen.At(-0.14, -0.1), pen.At(0.14, -0.1), pen.At(0, -0.38)});
        for (int element = 0; element < sign.elements; ++element)
            pen.Element(sign.kind, {0, -0.25 - 0.28 * element});
        break;
    }
    case WeatherKind::Thunderstorm:
        // The bracket with the lightning stroke and its arrow head.
        pen.Line({{-0.4, 0.5}, {-0.4, -0.45}, {0.3, -0.45}, {0.0, 0.02}, {0.35, 0.02}, {0.1, 0.5}});
        drawing.fills.push_back({pen.At(0.1, 0.5), pen.At(0.06, 0.3), pen.At(0.22, 0.36)});
        break;
    }
    if (sign.pastHour) pen.Line({{0.55, -0.5}, {0.65, -0.5}, {0.65, 0.5}, {0.55, 0.5}});
    return drawing;
}

}  // namespace weather
