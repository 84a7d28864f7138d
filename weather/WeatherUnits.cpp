#include "weather/WeatherUnits.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace weather {
namespace {

// The lowest speed of forces 1..12.
constexpr std::array<double, 12> kBeaufortKnots = {1, 4, 7, 11, 17, 22, 28, 34, 41, 48, 56, 64};
constexpr std::array<double, 12> kBeaufortMetresPerSecond = {0.3,  1.6,  3.4,  5.5,  8.0,  10.8,
                                                             13.9, 17.2, 20.8, 24.5, 28.5, 32.7};

}  // namespace

double KnotsFromMetresPerSecond(double metresPerSecond) { return metresPerSecond * 3600.0 / 1852.0; }

int BeaufortFromSpeed(double speed, WindUnit unit) {
    const auto& limits = unit == WindUnit::Knots ? kBeaufortKnots : kBeaufortMetresPerSecond;
    return static_cast<int>(std::upper_bound(limits.begin(), limits.end(), speed) - limits.begin());
}

std::optional<int> VisibilityMetresFromCode(int vv) {
    constexpr std::array<int, 10> kShipClasses = {0, 50, 200, 500, 1000, 2000, 4000, 10000, 20000, 50000};
    if (vv >= 0 && vv <= 50) return vv * 100;
    if (vv >= 56 && vv <= 80) return (vv - 50) * 1000;
    if (vv >= 81 && vv <= 88) return (vv - 80) * 5000 + 30000;
    if (vv == 89) return 70000;  // more than 70 km
    if (vv >= 90 && vv <= 99) return kShipClasses[static_cast<std::size_t>(vv - 90)];
    return std::nullopt;
}

std::optional<double> PressureFromFigures(int tenths) {
    if (tenths < 0 || tenths > 9999) return std::nullopt;
    if (tenths < 1000) return 1000.0 + tenths / 10.0;
    if (tenths >= 5000) return tenths / 10.0;
    return std::nullopt;
}

double PrecipitationFromCode(int rrr) {
    if (rrr == 990) return 0.0;
    if (rrr > 990) return (rrr - 990) / 10.0;
    return rrr;
}

std::optional<int> PrecipitationHoursFromCode(int tR) {
    constexpr std::array<int, 10> kHours = {0, 6, 12, 18, 24, 1, 2, 3, 9, 15};
    if (tR < 1 || tR > 9) return std::nullopt;
    return kHours[static_cast<std::size_t>(tR)];
}

std::optional<int> CloudBaseMetresFromCode(int hshs) {
    constexpr std::array<int, 10> kClasses = {0, 50, 100, 200, 300, 600, 1000, 1500, 2000, 2500};
    if (hshs >= 0 && hshs <= 50) return hshs * 30;
    if (hshs >= 56 && hshs <= 80) return (hshs - 50) * 300;
    if (hshs >= 81 && hshs <= 89) return (hshs - 80) * 1500 + 9000;
    if (hshs >= 90 && hshs <= 99) return kClasses[static_cast<std::size_t>(hshs - 90)];
    return std::nullopt;
}

}  // namespace weather
