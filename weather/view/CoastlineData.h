#pragma once
// The land of the weather map: Natural Earth's polygons around the North Sea
// and the Baltic, prepared by tools/coastline/make_coastline.py. Each ring is
// a closed outline; holes are rings too, so an even-odd fill draws them right.

#include <cstddef>
#include <cstdint>

namespace weather::coastline {

inline constexpr double kPointsPerDegree = 100.0;

// Longitude, latitude, longitude, latitude ... in hundredths of a degree.
extern const std::int16_t kPoints[];
// Ring i holds the points from kRingEnds[i - 1] (0 for the first) up to kRingEnds[i].
extern const std::uint32_t kRingEnds[];
extern const std::size_t kRingCount;

}  // namespace weather::coastline
