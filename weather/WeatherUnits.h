#pragma once
// The conversions from code figures to the units a sailor reads.

#include <optional>

namespace weather {

enum class WindUnit { MetresPerSecond, Knots };

double KnotsFromMetresPerSecond(double metresPerSecond);

// Beaufort force 0..12 of a speed in the unit it was reported in: the scale's limits are
// defined in both units, so integral m/s are classed by the m/s limits, not by converted knots.
int BeaufortFromSpeed(double speed, WindUnit unit);

// VV 00..50, 56..99 to the lower bound of its class in metres; nothing for 51..55 or > 99.
std::optional<int> VisibilityMetresFromCode(int vv);

// Four figures of tenths of hPa without the thousands: "0042" is 1004.2, "9987" is 998.7.
// Nothing for figures that give no pressure a station can have (500..1099.9 hPa).
std::optional<double> PressureFromFigures(int tenths);

// RRR (code table 3590) to mm: 990 is a trace (0.0), 991..999 are 0.1..0.9 mm.
double PrecipitationFromCode(int rrr);

// tR (code table 4019) to hours; nothing for 0 (not defined).
std::optional<int> PrecipitationHoursFromCode(int tR);

// hshs (code table 1677) to the lower bound of its class in metres; nothing for 51..55.
std::optional<int> CloudBaseMetresFromCode(int hshs);

}  // namespace weather
