#include "weather/view/MapDrawing.h"

namespace weather {

void Drawing::Append(const Drawing& other) {
    circles.insert(circles.end(), other.circles.begin(), other.circles.end());
    sectors.insert(sectors.end(), other.sectors.begin(), other.sectors.end());
    fills.insert(fills.end(), other.fills.begin(), other.fills.end());
    lines.insert(lines.end(), other.lines.begin(), other.lines.end());
    labels.insert(labels.end(), other.labels.begin(), other.labels.end());
}

}  // namespace weather
